// Area d'un poligon regular a partir del perimetre i l'apotema.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  float perimetre, apotema;
  if (!lectura::pregunta("\n\nIntroduce el perimetre i l'apotegma (separats per espai): ", "%f %f", &perimetre,
                         &apotema))
    return 0;
  float area = perimetre * apotema / 2;
  std::printf("\nArea del poligon: %.2f\n", area);
  plataforma::system("pause");
}
