// Escriu la suma i la mitjana dels nombres donats com a arguments, en precisio simple.
#include <cstdio>
#include <cstdlib>

#include "plataforma.h"

int main(int argc, char *argv[]) {
  float arguments[100];  // filled from position 1: the first 99 numbers
  float suma = 0;
  if (argc < 2) {
    std::printf("\nParametres insuficients!\n");
    plataforma::system("pause >NUL");
    return 0;
  }
  // Every number counts in the sum and the mean, also those beyond the
  // table's 99.
  for (int i = 1; i < argc; i++) {
    float valor = static_cast<float>(std::atof(argv[i]));
    if (i < 100) {
      arguments[i] = valor;
      suma += arguments[i];
    } else {
      suma += valor;
    }
  }
  float mitjana = suma / static_cast<float>(argc - 1);
  std::printf("\nLa suma es: %g\n", static_cast<double>(suma));
  std::printf("\nMitjana: %g\n", static_cast<double>(mitjana));
  plataforma::system("pause >NUL");
  return 0;
}
