// Mostra que la xifra '3' usada com a nombre es el seu codi de caracter, 51.
#include <cstdio>

#include "plataforma.h"

int main() {
  char numeros[3] = {'1', '2', '3'};
  char frase[4] = {'H', 'o', 'l', 'a'};
  std::printf("%d", numeros[2]);
  // The code is taken modulo the word's length, so that it stays inside it.
  std::printf("%c\n", frase[numeros[2] % static_cast<int>(sizeof frase)]);
  plataforma::system("pause >NUL");
  return 0;
}
