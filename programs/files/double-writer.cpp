// Guarda fins a 100 reals dobles escrits en un fitxer binari nou que anomena l'usuari.
#include <sys/stat.h>

#include <bit>
#include <cstdio>
#include <cstdlib>

#include "lectura.h"
#include "plataforma.h"

// The file holds the values' memory images: little-endian IEEE doubles.
static_assert(std::endian::native == std::endian::little && sizeof(double) == 8);

// Whether a regular file of that name can be read. Anything else under the
// name (a named pipe, a device, a folder) is never opened: opening a named
// pipe for reading would wait for a writer. The creation below refuses it.
bool existeix(const char *nom) {
  struct stat info {};
  if (stat(nom, &info) != 0 || !S_ISREG(info.st_mode)) return false;
  std::FILE *f = plataforma::fopen(nom, "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

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
    if (existeix(nom)) {
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
