// Demana memoria per a un vector de reals de la mida que es demana, en llegeix els valors i els torna a escriure.
#include <cstdio>
#include <cstdlib>

#include "lectura.h"
#include "plataforma.h"

int main() {
  int dim;
  if (!lectura::pregunta("Introdueix la dimensio per al vector: ", "%d", &dim)) return 0;
  // A size of 0 or less has no values: nothing is taken from the heap.
  float *vector = nullptr;
  if (dim > 0) {
    vector = static_cast<float *>(std::malloc(static_cast<std::size_t>(dim) * sizeof(float)));
    if (vector == nullptr) {
      std::printf("\nNo hi ha prou memoria!");
      std::printf("\n\nAdeu!");
      plataforma::system("pause>NUL");
      return 1;
    }
  }
  for (int x = 0; x < dim; x++)
    if (!lectura::pregunta("Fica un valor: ", "%f", &vector[x])) {
      std::free(vector);
      return 0;
    }
  for (int x = 0; x < dim; x++) std::printf("Valor: %f\n", static_cast<double>(vector[x]));
  std::free(vector);
  std::printf("\n\nAdeu!");
  plataforma::system("pause>NUL");
}
