// Substitueix cada aparicio d'una cadena per una altra de la mateixa llargada en una frase.
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "lectura.h"
#include "plataforma.h"

constexpr int mida = 255;  // a sentence or a string holds at most 254 characters

const char *reemplaza_cadenas(char *frase, const char *cadena1, const char *cadena2);
const char *ajuntar_cadenes(char *cadena1, const char *cadena2, int pos);

int main() {
  char frase[mida];
  char cadenes[2][mida];
  std::fputs("Fica una cadena:\n", stdout);
  if (!lectura::llegeix_linia(frase, mida)) return 0;
  std::fputs("Fica una cadena:\n", stdout);
  if (!lectura::llegeix_linia(cadenes[0], mida)) return 0;
  std::fputs("Fica una altra cadena:\n", stdout);
  if (!lectura::llegeix_linia(cadenes[1], mida)) return 0;
  std::printf("La frase es: %s", reemplaza_cadenas(frase, cadenes[0], cadenes[1]));
  std::printf("\n\nAdeu!");
  plataforma::system("pause>NUL");
}

// Replaces, in place, each occurrence of cadena1 in frase by cadena2, which
// must have the same length; the sentence never grows. Returns frase, or
// "ERROR" (and frase untouched) when the lengths differ.
const char *reemplaza_cadenas(char *frase, const char *cadena1, const char *cadena2) {
  const char *missatge = frase;
  char *text = frase;
  char *primer_caracter = frase;
  std::size_t llargada = std::strlen(cadena1);
  if (llargada != std::strlen(cadena2)) return "ERROR";
  // Equal strings (both empty included) would be found again at the copy
  // without end, and replacing them changes nothing.
  if (llargada == 0 || std::strcmp(cadena1, cadena2) == 0) return missatge;
  // The next search starts at the inserted copy, so that the copy can join
  // the following text into a new occurrence. The copy itself differs from
  // cadena1, so every occurrence found lies past the previous one.
  for (;;) {
    char *trobada = std::strstr(text, cadena1);
    if (!trobada) break;
    text = trobada;
    std::memmove(text, text + llargada, std::strlen(text + llargada) + 1);
    ajuntar_cadenes(primer_caracter, cadena2, static_cast<int>(text - primer_caracter));
  }
  return missatge;
}

// Inserts cadena2 into cadena1 at index pos, moving the tail (terminator
// included) right by the length of cadena2; cadena1 must have room for it.
// Returns cadena1, or "ERROR" (and nothing changed) when pos lies past the
// end of cadena1 (a negative pos counts as past it).
const char *ajuntar_cadenes(char *cadena1, const char *cadena2, int pos) {
  const char *missatge = "ERROR";
  std::size_t llargada1 = std::strlen(cadena1);
  std::size_t llargada2 = std::strlen(cadena2);
  if (static_cast<std::size_t>(pos) > llargada1) return missatge;
  std::size_t q = static_cast<std::size_t>(pos);
  // Walked from the terminator back to pos, so nothing is overwritten before it moves.
  for (std::size_t p = llargada1 + 1; p-- > q;) cadena1[p + llargada2] = cadena1[p];
  std::memcpy(cadena1 + q, cadena2, llargada2);
  return cadena1;
}
