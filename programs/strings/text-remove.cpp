// Esborra les aparicions d'una cadena dins d'un text.
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "lectura.h"
#include "plataforma.h"

constexpr int mida = 255;  // the text and the string hold at most 254 characters each

char *eliminar_cadena(char *text, const char *cadena);

int main() {
  char frase[mida];
  char cadena[mida];
  std::fputs("Fica un text:\n", stdout);
  if (!lectura::llegeix_linia(frase, mida)) return 0;
  std::fputs("Fica una cadena a eliminar:\n", stdout);
  if (!lectura::llegeix_linia(cadena, mida)) return 0;
  std::printf("La frase es: %s", eliminar_cadena(frase, cadena));
  std::printf("\n\nAdeu!");
  plataforma::system("pause>NUL");
}

// Removes from text, in place, each occurrence of cadena met while walking
// the text once from its start: after a removal the walk goes on at the next
// position, so the character that slid into the removed place is not
// examined again. Returns text.
char *eliminar_cadena(char *text, const char *cadena) {
  char *primer_caracter = text;
  std::size_t llargada = std::strlen(cadena);
  std::size_t fi = std::strlen(primer_caracter);  // the end of the text after the removals so far
  for (std::size_t i = 0; i < fi; i++) {
    if (std::strncmp(primer_caracter + i, cadena, llargada) != 0) continue;
    // The rest, terminator included, slides down over the occurrence.
    std::memmove(primer_caracter + i, primer_caracter + i + llargada, fi - i - llargada + 1);
    fi -= llargada;
  }
  return text;
}
