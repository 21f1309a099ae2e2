// Finds the perfect numbers up to a limit, showing how far the search has got.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

// The sum of the divisors of x below x (x >= 2). Divisors come in pairs y and
// x / y with y <= x / y, so only y up to the square root is tried; the sum
// passes the int maximum for some abundant numbers, so it is 64-bit.
long long suma_divisors(int x) {
  long long suma = 0;
  for (int y = 1; y <= x / y; y++) {
    if (x % y != 0) continue;
    suma += y;
    if (x / y != y) suma += x / y;
  }
  return suma - x;
}

int main() {
  int num_tope;
  float porcentaje;
  do {
    if (!lectura::pregunta("Entra un numero: ", "%d", &num_tope)) return 0;
  } while (num_tope < 0);
  // The counter stops at the limit before the increment, so a limit of
  // 2147483647 never takes it past the int maximum.
  for (int x = 2; x <= num_tope && x > 1; x++) {
    if (suma_divisors(x) == x) std::printf("%20d\n", x);
    porcentaje = static_cast<float>(x) / static_cast<float>(num_tope) * 100.0f;
    std::printf("%6.2f%% (%d)", static_cast<double>(porcentaje), x);
    std::printf("\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b");
    if (x == num_tope) break;
  }
  std::printf("               \nFin");
  plataforma::system("pause >NUL");
}
