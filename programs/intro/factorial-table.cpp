// Escriu els factorials de l'1 al 10 dues vegades: cadascun des de zero i despres com a producte acumulat.
#include <cstdio>

#include "plataforma.h"

int main() {
  int factorial;
  for (int x = 1; x <= 10; x++) {
    factorial = 1;
    for (int y = x; y >= 2; y--) factorial = factorial * y;
    std::printf("Factorial de %d es: %d\n", x, factorial);
  }
  factorial = 1;
  for (int x = 1; x <= 10; x++) {
    factorial = factorial * x;
    std::printf("Factorial de %d es: %d\n", x, factorial);
  }
  plataforma::system("pause >NUL");
}
