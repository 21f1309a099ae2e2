// Dibuixa una diagonal de lletres des de la z cap avall, una per fila, fins al marge esquerre.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  int linies;
  do {
    if (!lectura::pregunta("Entra un numero tope, mes gran que 0: ", "%d", &linies)) return 0;
  } while (linies <= 0);
  // Past 'a' the codes go on down, and after 0 comes 255: one byte, modulo 256.
  unsigned char ascii = 'z';
  // 64-bit counters: a limit of 2147483647 ends without the counter passing it.
  for (long long x = 1; x <= linies; x++) {
    for (long long y = 1; y <= linies - x; y++) std::printf(" ");
    std::printf("%c\n", ascii);
    ascii = static_cast<unsigned char>(ascii - 1);
  }
  plataforma::system("pause >NUL");
}
