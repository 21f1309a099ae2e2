// Coeficient binomial per la regla de Pascal.
#include <cstdint>
#include <cstdio>

#include "lectura.h"
#include "plataforma.h"

// The recursion makes 2 * C(n, m) - 1 calls: answers that would take more
// than about 10^8 of them (minutes) are asked again, from n. Its depth is up
// to n levels, bounded as in the other recursive programs.
constexpr std::int64_t crides_maximes = 100000000;
constexpr int n_maxim = 65535;

int combinatori(int n, int m) {
  if (n == m || m == 0) return 1;
  return combinatori(n - 1, m - 1) + combinatori(n - 1, m);
}

// Whether 2 * C(n, m) - 1 stays within the bound, for 0 < m <= n. C(n, i)
// grows with i up to n / 2, so the product stops as soon as it passes.
bool feina_acotada(int n, int m) {
  int k = m < n - m ? m : n - m;
  std::int64_t c = 1;
  for (int i = 1; i <= k; i++) {
    c = c * (n - k + i) / i;  // exact: C(n - k + i, i)
    if (2 * c - 1 > crides_maximes) return false;
  }
  return true;
}

int main() {
  int n, m;
  do {
    if (!lectura::demana("Fica el valor de n: ", n, 1, n_maxim)) return 0;
    if (!lectura::demana("Fica el valor de m: ", m, [](int v) { return v > 0; })) return 0;
  } while (n < m || !feina_acotada(n, m));
  std::printf("El combinatori %d sobre %d es: %d", n, m, combinatori(n, m));
  plataforma::system("pause >NUL");
}
