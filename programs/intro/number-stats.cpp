// Mitjana, maxim i minim d'una quantitat de nombres escrits.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  int cantidad_nums, numero;
  int min = 0, max = 0;
  int primera_vez = 1;
  float suma = 0, media;
  if (!lectura::pregunta("Introduce la cantidad de numeros que vas a poner: ", "%d", &cantidad_nums)) return 0;
  if (cantidad_nums <= 0) {
    // No numbers: there is no mean (0 / 0), nor a largest or smallest one.
    std::printf("\n\nNo hay ningun numero: no hay media, ni maximo, ni minimo");
    plataforma::system("pause >NUL");
    return 0;
  }
  // The counter stops at the count before the increment, so a count of
  // 2147483647 never takes it past the int maximum.
  for (int x = 1; x <= cantidad_nums; x++) {
    char pregunta[40];
    std::snprintf(pregunta, sizeof pregunta, "Pon el numero #%d: ", x);
    if (!lectura::pregunta(pregunta, "%d", &numero)) return 0;
    suma = suma + static_cast<float>(numero);
    if (primera_vez) {
      max = numero;
      min = numero;
      primera_vez = 0;
    }
    if (numero < min) min = numero;
    if (numero > max) max = numero;
    if (x == cantidad_nums) break;
  }
  media = suma / static_cast<float>(cantidad_nums);
  std::printf("\n\nLa media es: %.2f, el maximo es: %d, y el minimo es: %d", static_cast<double>(media), max, min);
  plataforma::system("pause >NUL");
}
