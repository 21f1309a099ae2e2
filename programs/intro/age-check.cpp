// Diu si una persona te menys o mes de 18 anys a partir de la data de naixement i la d'avui.
#include <cstdint>
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

int main() {
  int d1, m1, y1, d2, m2, y2;
  if (!lectura::pregunta("\n\nIntrodueix una data de naixement en format dd/mm/aa (ex: 03/01/1994): ", "%d/%d/%d", &d1,
                         &m1, &y1))
    return 0;
  if (!lectura::pregunta("\n\nIntrodueix una data actual en format dd/mm/aa (ex: 08/03/2006): ", "%d/%d/%d", &d2, &m2,
                         &y2))
    return 0;
  std::printf("\n\nEs ");
  // Only the years decide "impossible". The year of the 18th birthday is
  // taken in 64 bits, so that a current year near the int minimum does not
  // overflow.
  std::int64_t any_majoria = static_cast<std::int64_t>(y2) - 18;
  if (y1 > y2) {
    std::printf("impossible");
    return 0;
  }
  if (y1 > any_majoria)
    std::printf("menor");
  else if (y1 < any_majoria)
    std::printf("major");
  else if (m1 < m2)
    std::printf("major");
  else if (m1 > m2)
    std::printf("menor");
  else if (d1 <= d2)
    std::printf("major");  // the birthday itself counts as of age
  else
    std::printf("menor");
  std::printf(" d'edat");
  plataforma::system("pause >nul");
}
