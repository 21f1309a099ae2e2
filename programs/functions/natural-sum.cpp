// Suma recursiva dels n primers nombres naturals.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

// The largest limit whose sum fits in an int; one level of recursion each.
constexpr int tope_maxim = 65535;

int suma_naturals(int n) {
  if (n <= 1) return n;
  return suma_naturals(n - 1) + n;
}

int main() {
  int n;
  if (!lectura::demana("Fica un numero tope: ", n, 1, tope_maxim)) return 0;
  std::printf("La suma dels primers %d nombres naturals es: %d\n", n, suma_naturals(n));
  plataforma::_getch();
}
