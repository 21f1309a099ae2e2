// Llista els reals dobles guardats en un fitxer binari que anomena l'usuari.
#include <bit>
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

// The file holds the values' memory images: little-endian IEEE doubles.
static_assert(std::endian::native == std::endian::little && sizeof(double) == 8);

int main() {
  double vector[100];
  char nom[222];
  std::FILE *arxiu = nullptr;
  while (!arxiu) {
    std::printf("Fica el nom de l'arxiu on guardarem les dades: ");
    if (!lectura::llegeix_linia(nom, sizeof nom)) {
      std::printf("\n\nAdeu!");
      plataforma::system("pause >NUL");
      return 0;
    }
    if (!(arxiu = plataforma::fopen(nom, "rb"))) std::printf("L'arxiu no existeix!\n");
  }
  // Whole values only: a partial one at the end is left out.
  std::size_t n = std::fread(vector, sizeof(double), 100, arxiu);
  std::fclose(arxiu);
  for (std::size_t x = 0; x < n; x++) std::printf("\nValor #%d = %lf", static_cast<int>(x), vector[x]);
  std::printf("\n\nAdeu!");
  plataforma::system("pause >NUL");
  return 0;
}
