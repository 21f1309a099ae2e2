// Maxim comu divisor de dos nombres.
#include <cstdio>

#include "lectura.h"
#include "mates.h"
#include "plataforma.h"

int main() {
  int a, b;
  // Euclid's subtractions need two positive numbers: asked again until so.
  do {
    if (!lectura::pregunta("\n\nFica dos nombres enters (separats per espai): ", "%d %d", &a, &b)) return 0;
  } while (a <= 0 || b <= 0);
  std::printf("\n...el mcd es %d", mcd(a, b));
  plataforma::system("pause >NUL");
}
