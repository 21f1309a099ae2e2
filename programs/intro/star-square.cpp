// Dibuixa un quadrat ple de caselles "* ", tantes files i columnes com el limit escrit.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  int linies;
  do {
    if (!lectura::pregunta("Entra un numero tope, mes gran que 0: ", "%d", &linies)) return 0;
  } while (linies <= 0);
  // 64-bit counters: a limit of 2147483647 ends without the counter passing it.
  for (long long x = 1; x <= linies; x++) {
    for (long long y = 1; y <= linies; y++) std::printf("* ");
    std::printf("\n");
  }
  plataforma::system("pause >NUL");
}
