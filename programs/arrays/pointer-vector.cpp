// Demana memoria per a un vector de la mida demanada, l'omple de xifres a l'atzar i l'escriu.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "lectura.h"
#include "plataforma.h"

void generar_vector(int *vector, int dim) {
  plataforma::srand(static_cast<unsigned>(std::time(nullptr)));
  for (int *punter = vector; punter < vector + dim; punter++) {
    int n = plataforma::rand() % 10;
    *punter = n;
  }
}

void mostrar_vector(int *vector, int dim) {
  for (int *punter = vector; punter < vector + dim; punter++) std::printf("\n%d", *punter);
}

int main() {
  int dim;
  if (!lectura::pregunta("Fica la dimensio: ", "%d", &dim)) return 0;
  // A size of 0 or less has no elements: nothing is taken from the heap.
  if (dim > 0) {
    int *vector = static_cast<int *>(std::malloc(static_cast<std::size_t>(dim) * sizeof(int)));
    if (vector == nullptr) {
      std::printf("\nNo hi ha prou memoria!");
      plataforma::system("pause >NUL");
      return 1;
    }
    generar_vector(vector, dim);
    mostrar_vector(vector, dim);
    std::free(vector);
  }
  plataforma::system("pause >NUL");
}
