// Binomial coefficient by Pascal's rule.
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

// Above 30 the recursion, which makes as many calls as its result, would
// run for minutes: n is asked again.
constexpr int n_maxim = 30;

int combinatori(int n, int m) {
  if (n == m || m == 0) return 1;
  return combinatori(n - 1, m - 1) + combinatori(n - 1, m);
}

int main() {
  int n, m;
  do {
    do {
      if (!lectura::pregunta("Fica el valor de n: ", "%d", &n)) return 0;
    } while (n <= 0 || n > n_maxim);
    do {
      if (!lectura::pregunta("Fica el valor de m: ", "%d", &m)) return 0;
    } while (m <= 0);
  } while (n < m);
  std::printf("El combinatori %d sobre %d es: %d", n, m, combinatori(n, m));
  plataforma::system("pause >NUL");
}
