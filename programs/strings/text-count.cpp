// Llegeix text fins al final de l'entrada i n'escriu el nombre de caracters i el text.
#include <cstdio>

#include "plataforma.h"

constexpr int mida = 255;  // the text keeps its first 254 characters

int main() {
  char frase[mida];
  int caracters = 0;
  std::fputs("Fica una frase: ", stdout);
  // Only the end of input ends the text; every byte (a 255 too) is a
  // character. Past the buffer the bytes are read and dropped.
  for (int c; (c = std::getchar()) != EOF;)
    if (caracters < mida - 1) frase[caracters++] = static_cast<char>(c);
  frase[caracters] = '\0';
  std::printf("El text que mostro a continuacio te %d caracters.\n", caracters);
  // Written by count, so a typed NUL does not cut the text shown.
  std::fwrite(frase, 1, static_cast<std::size_t>(caracters), stdout);
  plataforma::system("pause>NUL");
}
