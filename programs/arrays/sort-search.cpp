// Omple 25 nombres a l'atzar, els ordena, els mostra i cerca un valor per biseccio.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"
#include "taules.h"

int main() {
  int vector[25] = {};
  int valor, index;
  omplir_vector(vector, 25, 0, 100);
  seleccio_directa(vector, 25);
  std::printf("\nVector: ");
  mostrar_vector(vector, 25);
  if (!lectura::pregunta("\n\nIntrodueix el valor buscat: ", "%d", &valor)) return 0;
  index = recerca_dicotomica(vector, 25, valor);
  if (index < 0)
    std::printf("\nNo s'ha trobat!");
  else
    std::printf("El valor es troba en l'index %d", index);
  plataforma::system("pause >NUL");
}
