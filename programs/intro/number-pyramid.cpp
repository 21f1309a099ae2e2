// Dibuixa files que compten de l'1 a k, creixent fins a la fila del mig i decreixent despres.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  int linies;
  int meitat = 0, num_tope = 0;
  do {
    if (!lectura::pregunta("Entra un numero tope, mes gran que 0: ", "%d", &linies)) return 0;
  } while (linies <= 0);
  // Half the rows, taken upwards when odd.
  meitat = static_cast<int>(linies / 2.0 + 0.5);
  std::printf("\t[La meitat es: %d]\n", meitat);
  // 64-bit counter: a limit of 2147483647 ends without the counter passing it.
  for (long long x = 1; x <= linies; x++) {
    if (x <= meitat)
      num_tope++;
    else
      num_tope--;
    for (int y = 1; y <= num_tope; y++) std::printf("%d ", y);
    std::printf("\n");
  }
  plataforma::system("pause >NUL");
}
