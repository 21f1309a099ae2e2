// Escriu "prova.txt" caracter a caracter.
#include <cstdio>

#include "plataforma.h"

int main() {
  std::FILE *fitxer = plataforma::fopen("prova.txt", "rt");
  if (!fitxer) {
    std::printf("Error. No s'ha pogut obrir el fitxer.");
    plataforma::system("pause >NUL");
    return 1;
  }
  // The end is tested before printing, so nothing follows the last character.
  for (int c; (c = std::fgetc(fitxer)) != EOF;) std::printf("%c", c);
  std::fclose(fitxer);
  plataforma::system("pause >NUL");
  return 0;
}
