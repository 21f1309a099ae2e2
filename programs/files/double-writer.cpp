// Guarda fins a 100 reals dobles escrits en un fitxer binari nou que anomena l'usuari.
#include <bit>
#include <cstdio>
#include <cstdlib>

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
    if (std::FILE *existent = plataforma::fopen(nom, "rb")) {
      std::fclose(existent);
      std::printf("L'arxiu ja existeix!\n");
    } else if (!(arxiu = plataforma::fopen(nom, "wbx"))) {
      // Also a file that appeared since the test: it is never replaced.
      std::printf("L'arxiu no es pot crear!\n");
    }
  }

  // -1 ends the entry, and so does the end of input; a reply that is not a
  // number is dropped and the same value is asked again.
  int x = 0;
  while (x < 100) {
    std::printf("Fica el valor #%d double: ", x);
    double valor;
    int llegit = lectura::llegeix_valors("%lf", &valor);
    if (llegit == lectura::fi_entrada) break;
    if (llegit == 0) continue;
    if (valor == -1) break;
    vector[x++] = valor;
  }

  bool escrit = std::fwrite(vector, sizeof(double), static_cast<std::size_t>(x), arxiu) == static_cast<std::size_t>(x);
  if (std::fclose(arxiu) != 0) escrit = false;
  if (!escrit) {
    std::printf("L'arxiu no s'ha pogut escriure!\n");
    plataforma::system("pause >NUL");
    return -1;
  }
  std::printf("\n\nAdeu!");
  plataforma::system("pause >NUL");
  return 0;
}
