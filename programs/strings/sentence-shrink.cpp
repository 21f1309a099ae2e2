// Escriu una frase, despres la frase sense l'ultima paraula, i aixi successivament.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "lectura.h"
#include "plataforma.h"

constexpr int mida = 255;  // the sentence holds at most 254 characters

// Letters are A to Z and a to z; bytes from 128 up are not letters.
bool es_lletra(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

int main() {
  char frase[mida];
  std::fputs("Fica una frase: ", stdout);
  if (!lectura::llegeix_linia(frase, mida)) return 0;
  // x is the first character and y the last one shown; y is -1 for an empty sentence.
  const int x = 0;
  int y = static_cast<int>(std::strlen(frase)) - 1;
  while (y > x) {
    for (int i = x; i <= y; i++) std::printf("%c", frase[i]);
    std::printf("\n");
    // Back over the blanks and signs after the last word, the word, and the
    // blanks and signs before it, never below the first character.
    while (y > x && !es_lletra(frase[y])) y--;
    while (y > x && es_lletra(frase[y])) y--;
    while (y > x && !es_lletra(frase[y])) y--;
  }
  std::printf("Adeu!");
  plataforma::system("pause>NUL");
}
