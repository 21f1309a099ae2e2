// Prints the factorials of 1 to 10 twice: each from scratch, then as a running product.
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
