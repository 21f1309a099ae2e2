// Producte, quocient i residu enter de dos reals fixos.
#include <cstdio>

#include "plataforma.h"

int main() {
  float a = 5.229f, b = 8.63f;
  float producte = a * b;
  float quocient = a / b;
  int residu = static_cast<int>(a) % static_cast<int>(b);
  std::printf("\nProducte de a (%.2f) i b (%.2f): %.2f\n", a, b, producte);
  std::printf("Quocient de a (%.2f) entre b (%.2f): %.2f\n", a, b, quocient);
  std::printf("Residu de a (%.2f) entre b (%.2f): %i\n\n", a, b, residu);
  plataforma::system("pause");
}
