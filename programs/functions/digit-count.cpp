// Nombre de xifres decimals d'un nombre.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"
#include "util.h"

int main() {
  int nombre;
  if (!lectura::pregunta("\nIntrodueix un nombre: ", "%d", &nombre)) return 0;
  std::printf("\nEl total es: %d", nombre_xifres(nombre));
  plataforma::system("pause >NUL");
}
