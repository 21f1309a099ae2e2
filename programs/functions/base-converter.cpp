// Writes a non-negative number in any base from 2 to 36.
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
  do {
    if (!lectura::pregunta("Fica un numero decimal i enter: ", "%d", &n)) return 0;
  } while (n < 0);
  do {
    if (!lectura::pregunta("Fica una base entre 2 i 36: ", "%d", &b)) return 0;
  } while (b <= 1 || b > 36);
  std::printf("El numero decimal %d es: ", n);
  d2base(n, b);
  std::printf(" en base %d.", b);
  plataforma::_getch();
}
