// Escriu les lletres de la a a la z en una linia.
#include <cstdio>

#include "plataforma.h"

int main() {
  for (int ascii = 'a'; ascii <= 'z'; ascii++) std::printf("%c ", ascii);
  plataforma::system("pause >NUL");
}
