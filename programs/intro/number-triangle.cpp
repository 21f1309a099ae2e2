// Dibuixa un triangle de nombres consecutius: un a la primera fila, dos a la segona, i aixi successivament.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  int linies;
  do {
    if (!lectura::pregunta("Entra un numero tope, mes gran que 0: ", "%d", &linies)) return 0;
  } while (linies <= 0);
  // The count passes the int maximum after 65535 rows: it is kept in 64 bits,
  // and so are the counters, which end at a limit of 2147483647.
  long long contador = 1;
  for (long long x = 1; x <= linies; x++) {
    for (long long y = 1; y <= x; y++) {
      std::printf("%3lld", contador);
      contador++;
    }
    std::printf("\n");
  }
  plataforma::system("pause >NUL");
}
