// Escriu un nombre no negatiu en binari de tres maneres.
#include <cstdint>
#include <cstdio>

#include "enters32.h"
#include "lectura.h"
#include "plataforma.h"

// Most significant digit first: the digits of n / 2, then n's last one.
void d2b(int n) {
  int quocient = n / 2, residu = n % 2, digit;
  if (n == 0) {
    digit = 0;
  } else if (n <= 1) {
    digit = 1;
  } else {
    digit = residu;
    d2b(quocient);
  }
  std::printf("%d", digit);
}

void d2b2(int n) {
  if (n > 1) d2b2(n / 2);
  std::printf("%d", n % 2);
}

// An int whose decimal digits are n's binary digits: exact up to 1023,
// beyond which the 32-bit arithmetic wraps.
int d2b3(int n) {
  if (n > 1) return enters32::suma(enters32::producte(d2b3(n / 2), 10), n % 2);
  return n % 2;
}

int main() {
  int n;
  if (!lectura::demana("Fica un numero decimal i enter: ", n, [](int v) { return v >= 0; })) return 0;
  std::printf("El numero decimal %d es: ", n);
  d2b(n);
  std::printf(" en binari.\n");
  d2b2(n);
  std::printf(" en binari.\n");
  std::printf(" %d en binari.\n", d2b3(n));
  plataforma::_getch();
}
