// Number utilities: rounding, decimal digits and ordering.
#ifndef UTIL_H
#define UTIL_H

#include <climits>
#include <cstdint>

#include "intercanvia.h"  // intercanvia, shared with the array library
#include "mates.h"

// n + 0.5 truncated toward zero. Beyond the range of int the result stops at
// its ends, and NaN gives 0.
inline int arrodoneix(float n) {
  double arrodonit = n + 0.5;
  if (!(arrodonit == arrodonit)) return 0;
  if (arrodonit >= 2147483648.0) return INT_MAX;
  if (arrodonit <= -2147483649.0) return INT_MIN;
  return static_cast<int>(arrodonit);
}

// Decimal digits of |n|; the sign does not count.
inline int nombre_xifres(int n) {
  std::int64_t m = static_cast<std::int64_t>(valor_absolut(n));
  int xifres = 1;
  while (m / 10 > 0) {
    xifres++;
    m = m / 10;
  }
  return xifres;
}

// n's decimal digits reversed, for n >= 0; a negative n gives n mod 10. A
// reversal above 2147483647 wraps.
inline int invertir(int n) {
  int invertit = n % 10;
  while (n / 10 > 0) {
    n = n / 10;
    invertit = mates_intern::a32(mates_intern::u32(invertit) * 10u + mates_intern::u32(n % 10));
  }
  return invertit;
}

inline int palindrom(int n) { return invertir(n) == n ? 1 : 0; }

// Afterwards *a >= *b >= *c; equal values are never exchanged.
inline void ordenar_max_min(float *a, float *b, float *c) {
  float t;
  if (*b > *a) t = *a, *a = *b, *b = t;
  if (*c > *a) t = *a, *a = *c, *c = t;
  if (*c > *b) t = *b, *b = *c, *c = t;
}

#endif
