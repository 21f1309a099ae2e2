// Copia el que s'escriu al teclat, en trossos de fins a 80 caracters, a "prova.txt".
#include <cstddef>
#include <cstdio>

#include "plataforma.h"

int main() {
  char cadena[81];
  std::FILE *fitxer = plataforma::fopen("prova.txt", "wt");
  if (!fitxer) {
    std::printf("\nL'arxiu no existeix!\n");
    plataforma::system("pause >NUL");
    return -1;
  }
  // Each piece is the rest of a line, at most 80 characters, with its line
  // feed; the bytes are counted as read, so a NUL among them is copied too.
  bool escrit = true;
  for (int c = 0; escrit && c != EOF;) {
    std::size_t n = 0;
    while (n < sizeof cadena - 1 && (c = std::getchar()) != EOF) {
      cadena[n++] = static_cast<char>(c);
      if (c == '\n') break;
    }
    if (n > 0) escrit = std::fwrite(cadena, 1, n, fitxer) == n;
  }
  if (std::fclose(fitxer) != 0) escrit = false;
  if (!escrit) {
    std::printf("\nL'arxiu no es pot escriure!\n");
    plataforma::system("pause >NUL");
    return -1;
  }
  std::printf("\n\nAdeu!");
  plataforma::system("pause >NUL");
  return 0;
}
