// Guarda una linia escrita a "proba.txt".
#include <cstdio>

#include "plataforma.h"

int main() {
  std::FILE *fitxer = plataforma::fopen("proba.txt", "wt");
  if (!fitxer) {
    std::printf("Error. No s'ha pogut crear el fitxer.");
    plataforma::system("pause >NUL");
    return 1;
  }
  bool escrit = true;
  for (int c; escrit && (c = std::getchar()) != EOF && c != '\n';) escrit = std::fputc(c, fitxer) != EOF;
  // Closed before the pause, so that a failure to store the line is told.
  if (std::fclose(fitxer) != 0) escrit = false;
  if (!escrit) {
    std::printf("Error. No s'ha pogut escriure el fitxer.");
    plataforma::system("pause >NUL");
    return 1;
  }
  plataforma::system("pause >NUL");
  return 0;
}
