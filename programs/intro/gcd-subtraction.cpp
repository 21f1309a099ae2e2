// Maxim comu divisor de dos nombres positius per restes successives.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  int a, b;
  // The subtractions only reach equality for two positive numbers: asked
  // again until so.
  do {
    if (!lectura::pregunta("\n\nFica dos nombres enters (separats per espai): ", "%d %d", &a, &b)) return 0;
  } while (a <= 0 || b <= 0);
  // The larger is reduced by the smaller until both are equal. Each run of
  // subtractions of the same number is taken in one step, the remainder
  // kept between 1 and the smaller one: a - k * b for the largest k leaving
  // it positive. So 1 and 2147483647 take one step, not 2147483646.
  while (a != b) {
    if (a > b)
      a = (a - 1) % b + 1;
    else
      b = (b - 1) % a + 1;
  }
  std::printf("\n...el mcd es %d", a);
  plataforma::system("pause >NUL");
}
