// Compta els caracters escrits abans de Retorn.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  char caracter = 0;
  // Wide enough for any line: a count in 64 bits cannot overflow.
  long long contador = 0;
  int llegit;
  std::printf("\nIntrodueix un caracter (RETURN per parar): ");
  // The end of input ends the line as its line feed would: the last read
  // is counted and then taken off, as the line feed is.
  do {
    llegit = lectura::llegeix_valors("%c", &caracter);
    contador++;
  } while (llegit != lectura::fi_entrada && caracter != '\n');
  std::printf("\nCaracters introduis: %lld", contador - 1);
  plataforma::system("pause > NUL");
}
