// Dibuixa un triangle d'asteriscs cap per avall alineat a la dreta, amb una fila menys que el nombre escrit.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  int lineas;
  if (!lectura::pregunta("Introduce el numero de lineas: ", "%d", &lineas)) return 0;
  // x stays below lineas, so neither bound reaches the int maximum.
  for (int x = 1; x < lineas; x++) {
    for (int y = 1; y <= x - 1; y++) std::printf(" ");
    for (int y = 1; y <= lineas - x; y++) std::printf("*");
    std::printf("\n");
  }
  plataforma::system("pause >NUL");
}
