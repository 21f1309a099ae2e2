// El mes gran i el mes petit de dos nombres, retornats per punters.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

void maxmin(int x1, int x2, int *max, int *min) {
  if (x1 > x2) {
    *max = x1;
    *min = x2;
  } else {
    *max = x2;
    *min = x1;
  }
}

int main() {
  int x1, x2, max, min;
  if (!lectura::pregunta("\nEscriu dos nombres, separats per espai: ", "%d %d", &x1, &x2)) return 0;
  maxmin(x1, x2, &max, &min);
  std::printf(
      "El m\xE0"
      "xim es: %d, i el minim es: %d\n",
      max, min);
  plataforma::system("pause >NUL");
}
