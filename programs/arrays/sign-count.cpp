// Treu de 10 a 30 valors a l'atzar entre -128 i 126, els escriu i en compta els signes.
#include <cstdio>
#include <ctime>

#include "plataforma.h"

constexpr int maxim_elements = 30;

void carregar_vector(int *vector, int *elements) {
  const int valor_maxim = 255;
  plataforma::srand(static_cast<unsigned>(std::time(nullptr)));
  *elements = plataforma::rand() % 21 + 10;
  for (int x = 0; x < *elements; x++) {
    vector[x] = plataforma::rand() % valor_maxim - 128;
    std::printf("%d\n", vector[x]);
  }
}

void comptabilitzar(int *vector, int *positius, int *negatius, int *zeros, int elements) {
  for (int x = 0; x < elements; x++) {
    if (vector[x] > 0)
      (*positius)++;
    else if (vector[x] < 0)
      (*negatius)++;
    else
      (*zeros)++;
  }
}

void mostrar_resultats([[maybe_unused]] int *vector, int positius, int negatius, int zeros) {
  std::printf("Positius: %d\t\tNegatius: %d\t\tZeros: %d\n", positius, negatius, zeros);
}

int main() {
  int numeros[maxim_elements];
  int elements;
  int positius = 0, negatius = 0, zeros = 0;
  carregar_vector(numeros, &elements);
  comptabilitzar(numeros, &positius, &negatius, &zeros, elements);
  mostrar_resultats(numeros, positius, negatius, zeros);
  plataforma::system("pause >NUL");
}
