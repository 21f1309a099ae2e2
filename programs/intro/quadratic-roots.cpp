// Les dues arrels d'una equacio de segon grau ax^2 + bx + c.
#include <cmath>
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  float a, b, c;
  std::printf("\n\nCalcula el valor de X en una equacio tipus ax^2+bx+c");
  if (!lectura::pregunta("\n\nIntrodueix a, b i c (separats per espai): ", "%f %f %f", &a, &b, &c)) return 0;
  std::printf("\n");
  float discriminant = static_cast<float>(std::pow(b, 2) - 4 * a * c);
  // With a = 0 the formula divides by zero, and with a negative
  // discriminant there is no real square root: said instead of the roots.
  if (a == 0) {
    std::printf("No es una equacio de segon grau: a no pot ser 0");
  } else if (discriminant < 0) {
    std::printf("L'equacio no te solucions reals");
  } else {
    // The square root is D to the power 0.5; each root is taken in double
    // and stored in its float.
    double arrel = std::pow(discriminant, 0.5);
    float x1 = static_cast<float>((-b + arrel) / (2 * a));
    float x2 = static_cast<float>((-b - arrel) / (2 * a));
    std::printf("Les solucions son X1=%.2f i X2=%.2f", x1, x2);
  }
  std::printf("\n\n");
  plataforma::system("pause >nul");
}
