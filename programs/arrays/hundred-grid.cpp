// Construeix i escriu els nombres de l'1 al 100 en deu files de deu.
#include <cstdio>

#include "plataforma.h"

int main() {
  int matriu[10][10];
  for (int x = 0; x < 100; x += 10) {
    for (int y = 0; y < 10; y++) {
      matriu[x / 10][y] = x + y + 1;
      std::printf("%4d", matriu[x / 10][y]);
    }
    std::printf("\n");
  }
  plataforma::system("pause >NUL");
}
