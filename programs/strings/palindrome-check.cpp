// Diu si un text es llegeix igual del reves, comptant nomes les lletres i sense distingir majuscules.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "lectura.h"
#include "plataforma.h"

constexpr int mida = 255;  // the text holds at most 254 characters

// Letters are A to Z and a to z; bytes from 128 up are not letters.
bool es_lletra(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
int minuscula(char c) { return std::tolower(static_cast<unsigned char>(c)); }

// 1 when the letters of frase, lowered, read the same backwards; a text with
// no letters, or an empty one, has nothing that differs and gives 1 too.
int es_palindrom(const char *frase) {
  int inici = 0;
  int final = static_cast<int>(std::strlen(frase)) - 1;
  for (;;) {
    // Signs and blanks are skipped at both ends as well as inside.
    while (inici < final && !es_lletra(frase[inici])) inici++;
    while (final > inici && !es_lletra(frase[final])) final--;
    if (inici >= final) return 1;
    if (minuscula(frase[inici]) != minuscula(frase[final])) return 0;
    inici++;
    final--;
  }
}

int main() {
  char frase[mida];
  std::fputs("Fica un text:\n", stdout);
  if (!lectura::llegeix_linia(frase, mida)) return 0;
  std::printf(es_palindrom(frase) == 1 ? "Es palindrom!" : "No es palindrom!");
  std::printf("\n\nAdeu!");
  plataforma::system("pause>NUL");
}
