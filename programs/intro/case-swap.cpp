// Repeteix les lletres d'una linia escrita amb majuscules i minuscules intercanviades, saltant un caracter de cada dos.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  char frase = 0;
  std::printf("\nIntrodueix una frase: ");
  // Up to and including the line feed; the end of input ends the line too.
  do {
    if (lectura::llegeix_valors("%c", &frase) == lectura::fi_entrada) break;
    if (frase >= 'A' && frase <= 'Z')
      std::printf("%c", frase + 32);
    else if (frase >= 'a' && frase <= 'z')
      std::printf("%c", frase - 32);
  } while (frase != '\n');
  plataforma::system("pause > NUL");
}
