// Escriu "prova.txt" en trossos de fins a 80 caracters.
#include <cstddef>
#include <cstdio>

#include "plataforma.h"

int main() {
  char cadena[81];
  std::FILE *fitxer = plataforma::fopen("prova.txt", "rt");
  if (!fitxer) {
    std::printf("\nL'arxiu no existeix!\n");
    plataforma::system("pause >NUL");
    return -1;
  }
  // Each piece is the rest of a line, at most 80 characters, with its line
  // feed; the bytes are counted as read, so a NUL among them is shown too,
  // and only a read that gave a piece prints one.
  for (int c = 0; c != EOF;) {
    std::size_t n = 0;
    while (n < sizeof cadena - 1 && (c = std::fgetc(fitxer)) != EOF) {
      cadena[n++] = static_cast<char>(c);
      if (c == '\n') break;
    }
    std::fwrite(cadena, 1, n, stdout);
  }
  std::fclose(fitxer);
  std::printf("\n\nAdeu!");
  plataforma::system("pause >NUL");
  return 0;
}
