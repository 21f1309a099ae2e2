// Number library: arithmetic and number theory on small integers and reals.
// int and long results are 32-bit: where a product or a sum passes 32 bits it
// wraps as 32-bit two's complement arithmetic does.
#ifndef MATES_H
#define MATES_H

#include <cstdint>
#include <limits>

#include "enters32.h"

namespace mates_intern {

// Whether m (0 or more) is prime: trial divisors while x * x <= m.
inline int es_primer(std::int64_t m) {
  if (m < 2) return 0;
  int es = 1;
  for (std::int64_t x = 2; es && x * x <= m; x++)
    if (m % x == 0) es = 0;
  return es;
}
}  // namespace mates_intern

inline double valor_absolut(double n) {
  if (0 > n) n = -n;
  return n;
}

// n!, exact up to 12; from 13 on the 32-bit product wraps.
inline long factorial(int n) {
  std::uint32_t producte = 1;
  // From 34 on the product holds 2 to the 32nd power: it stays 0.
  for (std::int64_t i = 1; i <= n && producte != 0; i++) producte *= enters32::patro(i);
  return enters32::enter(producte);
}

// n over m, exact for 0 <= m <= n <= 12. A wrapped divisor of 0 gives 0.
inline int nombre_combinatori(int n, int m) {
  std::uint32_t dividend = enters32::patro(factorial(n));
  std::uint32_t divisor = enters32::patro(factorial(m));
  divisor *= enters32::patro(factorial(enters32::resta(n, m)));
  std::int64_t a = enters32::enter(dividend), b = enters32::enter(divisor);
  if (b == 0) return 0;
  return enters32::redueix(a / b);  // INT_MIN / -1 wraps too
}

// x to the n by n multiplications; n <= 0 gives 1.0.
inline double potencia(double x, int n) {
  double resultat = 1.0;
  for (int i = 0; i < n; i++) resultat = resultat * x;
  return resultat;
}

// Greatest common divisor by Euclid's subtractions. A zero or negative
// argument, for which the subtractions would never end, counts by its
// absolute value, with gcd(0, b) = b.
inline int mcd(int a, int b) {
  std::uint32_t x = a < 0 ? 0u - enters32::patro(a) : enters32::patro(a);
  std::uint32_t y = b < 0 ? 0u - enters32::patro(b) : enters32::patro(b);
  if (x == 0) return enters32::enter(y);
  if (y == 0) return enters32::enter(x);
  while (x != y) {
    if (x > y)
      x -= y;
    else
      y -= x;
  }
  return enters32::enter(x);
}

// 1 when |n| is prime; 0 and 1 are not.
inline int primer(int n) { return mates_intern::es_primer(static_cast<std::int64_t>(valor_absolut(n))); }

// The first prime above |n|. Above 2147483647 the 32-bit result wraps.
inline int seguent_primer(int n) {
  std::int64_t m = static_cast<std::int64_t>(valor_absolut(n));
  do m++;
  while (!mates_intern::es_primer(m));
  return enters32::redueix(m);
}

// Newton's iteration from 2.0 until a step is below 1e-11. A negative n has
// no root (the iteration would never settle): NaN. The steps are also
// bounded, for the large n whose estimates differ by more than 1e-11 even
// when they have settled.
inline double arrel_quadrada(float n) {
  if (n < 0) return std::numeric_limits<double>::quiet_NaN();
  double estimacio = 2.0, anterior;
  int passos = 0;
  do {
    anterior = estimacio;
    estimacio = (n / estimacio + estimacio) / 2.0;
  } while (valor_absolut(estimacio - anterior) >= 1e-11 && ++passos < 500);
  return estimacio;
}

// Whether n is the square of a whole number above 0: the integer square
// root, found by halving, squared back. Exact for every int, where a float
// root would round (16777217 is 4096 squared plus 1).
inline int quadrat_perfecte(int n) {
  if (n <= 0) return 0;
  std::int64_t baix = 1, dalt = 46341;  // baix * baix <= n < dalt * dalt
  while (dalt - baix > 1) {
    std::int64_t mig = (baix + dalt) / 2;
    if (mig * mig <= n)
      baix = mig;
    else
      dalt = mig;
  }
  return baix * baix == n ? 1 : 0;
}

inline int quadrat_perfecte_alternativa(int n) {
  int es_quadrat = 0;
  for (std::int64_t x = 1; !es_quadrat && x * x <= n; x++)
    if (x * x == n) es_quadrat = 1;
  return es_quadrat;
}

inline int cub_perfecte(int n) {
  int es_cub = 0;
  for (std::int64_t x = 1; !es_cub && x * x * x <= n; x++)
    if (x * x * x == n) es_cub = 1;
  return es_cub;
}

#endif
