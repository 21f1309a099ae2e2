// Suma 1/1 + 1/2 + ... + 1/n i mostra la suma com a formula.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  int num_tope;
  double suma = 0.0;
  do {
    if (!lectura::pregunta("Entra un numero tope, mes gran que 0: ", "%d", &num_tope)) return 0;
  } while (num_tope <= 0);
  std::printf("\n\nResultat = ");
  // 64-bit counter: a limit of 2147483647 ends without the counter passing it.
  for (long long x = 1; x <= num_tope; x++) {
    std::printf("(1 / %lld) + ", x);
    suma = suma + 1.0 / static_cast<double>(x);
  }
  // Two columns back, so that "= " is written over the last "+ ".
  std::printf("\b\b");
  std::printf("= %g", suma);
  plataforma::system("pause >NUL");
}
