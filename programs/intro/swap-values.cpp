// Intercanvia dos valors fixos per mitja d'una tercera variable.
#include <cstdio>

#include "plataforma.h"

int main() {
  int a = 1, b = 2;
  int auxiliar = a;
  a = b;
  b = auxiliar;
  std::printf("\n\nLa a es: %d\n...i la b es: %d\n\n", a, b);
  plataforma::system("pause");
}
