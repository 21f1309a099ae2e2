// Dibuixa un triangle d'asteriscs alineat a l'esquerra amb tantes files com el nombre escrit.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  int lineas;
  if (!lectura::pregunta("Introduce el numero de lineas: ", "%d", &lineas)) return 0;
  // 64-bit counters: 2147483647 rows end without the counter passing it.
  for (long long x = 1; x <= lineas; x++) {
    for (long long y = 1; y <= x; y++) std::printf("*");
    std::printf("\n");
  }
  plataforma::system("pause >NUL");
}
