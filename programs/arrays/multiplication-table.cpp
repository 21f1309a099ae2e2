// Construeix i escriu la taula de multiplicar de 10 x 10.
#include <cstdio>

#include "plataforma.h"

int main() {
  int matriu[10][10];
  for (int x = 0; x < 10; x++) {
    for (int y = 0; y < 10; y++) {
      matriu[x][y] = (x + 1) * (y + 1);
      std::printf("%4d", matriu[x][y]);
    }
    std::printf("\n");
  }
  plataforma::system("pause >NUL");
}
