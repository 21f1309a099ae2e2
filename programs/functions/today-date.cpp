// Escriu la data d'avui segons el rellotge del sistema.
#include <cstdio>

#include "data.h"
#include "plataforma.h"

int main() {
  int dia, mes, any;
  data_actual(&dia, &mes, &any);
  std::printf("%d/%d/%d", dia, mes, any);
  plataforma::system("pause >NUL");
}
