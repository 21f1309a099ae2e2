// Menu de tres formules d'area: rectangle, triangle i cercle.
#include <cmath>
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  for (;;) {
    std::printf("1) Calcular area d'un rectangle\n");
    std::printf("2) Calcular area d'un triangle\n");
    std::printf("3) Calcular area d'un cercle\n");
    std::printf("4) Sortir\n");
    std::printf("\n\nEscolleix una opcio: ");
    // Every character is one choice, the line feed after a choice included.
    char opcio;
    if (lectura::llegeix_valors("%c", &opcio) != 1) return 0;
    float area;
    switch (opcio) {
      case '1': {
        float costat1, costat2;
        if (!lectura::pregunta("\n\nIntrodueix els dos costats del rectangle (separats per espai): ", "%f %f", &costat1,
                               &costat2))
          return 0;
        area = costat1 * costat2;
        break;
      }
      case '2': {
        float base, altura;
        if (!lectura::pregunta("\n\nIntrodueix la base i la altura del triangle (separades per espai): ", "%f %f",
                               &base, &altura))
          return 0;
        area = altura * base / 2;
        break;
      }
      case '3': {
        float radi;
        if (!lectura::pregunta("\n\nIntrodueix el radi del circle: ", "%f", &radi)) return 0;
        area = static_cast<float>(std::pow(radi, 2.0) * 3.141592653589793);
        break;
      }
      case '4': return 0;
      default: plataforma::system("cls"); continue;
    }
    std::printf("...l'area es: %.2f", area);
    plataforma::system("pause >nul");
    return 0;
  }
}
