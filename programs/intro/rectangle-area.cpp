// Area d'un rectangle a partir de la llargada i l'amplada.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  float longitud, amplaria;
  if (!lectura::pregunta("\n\nFica la longitud i la amplaria: ", "%f %f", &longitud, &amplaria)) return 0;
  float superficie = longitud * amplaria;
  std::printf("\nLa superficie es de: %.2f\n\n", superficie);
  plataforma::system("pause");
}
