// Copia el que s'escriu al teclat, caracter a caracter, a "prova.txt".
#include <cstdio>

#include "plataforma.h"

int main() {
  std::FILE *fitxer = plataforma::fopen("prova.txt", "wt");
  if (!fitxer) {
    std::printf("Error. No s'ha pogut crear el fitxer.");
    plataforma::system("pause >NUL");
    return 1;
  }
  // Read as int, so that the byte 0xFF is a character and not the end.
  bool escrit = true;
  for (int c; escrit && (c = std::getchar()) != EOF;) escrit = std::fputc(c, fitxer) != EOF;
  if (std::fclose(fitxer) != 0) escrit = false;
  if (!escrit) {
    std::printf("Error. No s'ha pogut escriure el fitxer.");
    plataforma::system("pause >NUL");
    return 1;
  }
  std::printf("\nFi del fitxer!");
  plataforma::system("pause >NUL");
  return 0;
}
