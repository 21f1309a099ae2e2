// Treu fins a 23 valors a l'atzar i en deixa, a la mateixa taula, nomes els multiples de 3.
#include <cstdio>
#include <ctime>

#include "lectura.h"
#include "plataforma.h"

constexpr int maxim_valors = 23;

void ficar_valors(int *v, int n) {
  plataforma::srand(static_cast<unsigned>(std::time(nullptr)));
  for (int x = 0; x < n; x++) v[x] = plataforma::rand() % 256 + 1;
}

// The multiples of 3 move to the front in their order; the freed tail gets -1.
void filtrar_valors(int *v, int n) {
  int y = 0;
  for (int x = 0; x < n; x++)
    if (v[x] % 3 == 0) {
      v[y] = v[x];
      y++;
    }
  for (; y < n; y++) v[y] = -1;
}

void mostrar_vector(int *v, int n) {
  for (int x = 0; x < n; x++) std::printf("%d ", v[x]);
}

int main() {
  int vector[maxim_valors] = {};
  int n;
  char pregunta[64];
  std::snprintf(pregunta, sizeof pregunta, "Fica el numero de valors (maxim %d): ", maxim_valors);
  if (!lectura::demana(pregunta, n, 1, maxim_valors)) return 0;
  ficar_valors(vector, n);
  filtrar_valors(vector, n);
  mostrar_vector(vector, n);
  plataforma::system("pause >NUL");
}
