// Sou setmanal amb hores extres a preu i mig i una retencio per sobre de 150.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

constexpr int hores_normals = 37;
constexpr float salari_sense_retencio = 150;

int main() {
  int hores;
  float preu_hora;
  if (!lectura::pregunta("\n\nIntrodueix les hores treballades i el preu per hora (separades per espai): ", "%d %f",
                         &hores, &preu_hora))
    return 0;
  std::printf("\n");
  // Each step is stored in the float wage before the next one uses it.
  float salari;
  if (hores < 0)
    salari = 0;
  else if (hores <= hores_normals)
    salari = hores * preu_hora;
  else
    salari = static_cast<float>(hores_normals * preu_hora + 1.5 * preu_hora * (hores - hores_normals));
  if (salari > salari_sense_retencio) salari = static_cast<float>(salari - salari * 0.1);
  std::printf("El salari es de: %.2f", salari);
  std::printf("\n\n");
  plataforma::system("pause >nul");
}
