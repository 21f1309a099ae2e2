// Llegeix una matriu de fins a 25 x 79 valors i escriu la suma de cada fila i de cada columna.
#include <cstdio>
#include <cstdlib>

#include "lectura.h"
#include "plataforma.h"

constexpr int maxim_files = 25;
constexpr int maxim_columnes = 79;

// Row by row, each cell's prompt with the column index first. The end of
// input ends the program, with no table.
void ficar_valors(int (*matriu)[maxim_columnes], int f, int c) {
  char pregunta[64];
  for (int fila = 0; fila < f; fila++)
    for (int columna = 0; columna < c; columna++) {
      std::snprintf(pregunta, sizeof pregunta, "Fica el valor per a la (%d, %d): ", columna, fila);
      if (!lectura::pregunta(pregunta, "%d", &matriu[fila][columna])) std::exit(0);
    }
}

// The sums are kept in 64 bits: 79 values of an int cannot overflow them.
void mostrar_matriu(int (*matriu)[maxim_columnes], int f, int c) {
  long long suma_fila[maxim_files] = {}, suma_columna[maxim_columnes] = {};
  for (int fila = 0; fila < f; fila++)
    for (int columna = 0; columna < c; columna++) {
      suma_fila[fila] += matriu[fila][columna];
      suma_columna[columna] += matriu[fila][columna];
    }
  std::printf("\nFila\t\tSuma");
  for (int fila = 0; fila < f; fila++) std::printf("\n%d\t\t%lld", fila, suma_fila[fila]);
  std::printf("\n\nColumna\t\tSuma");
  for (int columna = 0; columna < c; columna++) std::printf("\n%d\t\t%lld", columna, suma_columna[columna]);
}

int main() {
  int matriu[maxim_files][maxim_columnes] = {};
  int f, c;
  char pregunta[64];
  std::snprintf(pregunta, sizeof pregunta, "Fica les files, maxim %d: ", maxim_files);
  if (!lectura::demana(pregunta, f, 1, maxim_files)) return 0;
  std::snprintf(pregunta, sizeof pregunta, "Fica les columnes, maxim %d: ", maxim_columnes);
  if (!lectura::demana(pregunta, c, 1, maxim_columnes)) return 0;
  ficar_valors(matriu, f, c);
  mostrar_matriu(matriu, f, c);
  plataforma::system("pause >NUL");
}
