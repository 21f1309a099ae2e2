// Demana un caracter per linia i els compta fins a una linia buida.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  char caracter = 0;
  long long contador = 0;
  int llegit;
  // Each prompt drops what is left of the line before it, so only the
  // first character of each line counts. The end of input ends the loop
  // as an empty line does.
  do {
    plataforma::fflush(stdin);
    std::printf("\nIntrodueix un caracter (RETURN per parar): ");
    llegit = lectura::llegeix_valors("%c", &caracter);
    contador++;
  } while (llegit != lectura::fi_entrada && caracter != '\n');
  std::printf("\nCaracters introduis: %lld", contador - 1);
  plataforma::system("pause > NUL");
}
