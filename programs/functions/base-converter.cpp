// Escriu un nombre no negatiu en qualsevol base de la 2 a la 36.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

// Most significant digit first; digits above 9 are the letters A to Z.
void d2base(int n, int base) {
  int quocient = n / base, residu = n % base, digit;
  if (n < base) {
    digit = n;
  } else {
    digit = residu;
    d2base(quocient, base);
  }
  if (digit > 9)
    std::printf("%c", digit + 55);
  else
    std::printf("%d", digit);
}

int main() {
  int n, b;
  if (!lectura::demana("Fica un numero decimal i enter: ", n, [](int v) { return v >= 0; })) return 0;
  if (!lectura::demana("Fica una base entre 2 i 36: ", b, 2, 36)) return 0;
  std::printf("El numero decimal %d es: ", n);
  d2base(n, b);
  std::printf(" en base %d.", b);
  plataforma::_getch();
}
