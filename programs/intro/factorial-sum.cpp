// Suma 1! + 2! + ... + n! i mostra la suma com a formula.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

// The largest limit whose sum fits in an int: 1! + ... + 12! = 522956313.
constexpr int tope_maxim = 12;

int main() {
  int num_tope;
  int factorial, suma = 0;
  do {
    if (!lectura::pregunta("Entra un numero tope, mes gran que 0: ", "%d", &num_tope)) return 0;
  } while (num_tope <= 0 || num_tope > tope_maxim);
  std::printf("\n\nResultat = ");
  for (int x = 1; x <= num_tope; x++) {
    factorial = 1;
    for (int y = 2; y <= x; y++) factorial = factorial * y;
    std::printf("(%d!) + ", x);
    suma = suma + factorial;
  }
  // Two columns back, so that "= " is written over the last "+ ".
  std::printf("\b\b");
  std::printf("= %d", suma);
  plataforma::system("pause >NUL");
}
