// Llegeix dues dates i escriu quants dies hi ha entre elles.
#include <cstdio>

#include "data.h"
#include "lectura.h"
#include "plataforma.h"

int main() {
  int dia1, mes1, any1, dia2, mes2, any2;
  if (!lectura::pregunta("Introdueix la primera data en format dd/mm/aa: ", "%d/%d/%d", &dia1, &mes1, &any1)) return 0;
  if (!lectura::pregunta("Introdueix la segona data en format dd/mm/aa: ", "%d/%d/%d", &dia2, &mes2, &any2)) return 0;
  std::printf("Els dies transcorreguts son: %d\n", dies_transcorreguts(dia1, mes1, any1, dia2, mes2, any2));
  plataforma::system("pause >NUL");
}
