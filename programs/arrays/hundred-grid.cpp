// Builds and prints the numbers 1 to 100 in ten rows of ten.
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
