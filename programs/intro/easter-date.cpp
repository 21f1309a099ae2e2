// Diumenge de Pasqua d'un any per la regla de Gauss per al calendari gregoria.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

constexpr int primer_any_gregoria = 1583;             // the first whole year of the Gregorian calendar
constexpr char ce_trencada = static_cast<char>(135);  // the console code page's c with cedilla

int main() {
  int any;
  if (!lectura::pregunta("\n\nIntrodueix l'any: ", "%d", &any)) return 0;
  std::printf("\n");
  if (any < primer_any_gregoria) {
    std::printf("L'any ha de ser 1583 o posterior (calendari gregoria)");
  } else {
    // The century's constants M and N (24 and 5 for 1900 to 2099); every
    // value stays small and positive for any year up to the int maximum.
    int k = any / 100;
    int p = (13 + 8 * k) / 25;
    int q = k / 4;
    int m = (15 - p + k - q) % 30;
    int n = (4 + k - q) % 7;
    int a = any % 19, b = any % 4, c = any % 7;
    int d = (19 * a + m) % 30;
    int e = (2 * b + 4 * c + 6 * d + n) % 7;
    int dia = 22 + d + e;  // counted from 1 March
    std::printf("El diumenge de pasqua seria el dia ");
    if (dia <= 31) {
      std::printf("%d de Mar%c", dia, ce_trencada);
    } else {
      dia -= 31;
      // The two exceptions that keep Easter on or before 25 April.
      if (dia == 26) dia = 19;
      if (dia == 25 && d == 28 && e == 6 && a > 10) dia = 18;
      std::printf("%d de Abril", dia);
    }
  }
  std::printf("\n\n");
  plataforma::system("pause >nul");
}
