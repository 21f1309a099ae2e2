// Cerca els nombres perfectes fins a un limit, mostrant fins on ha arribat la cerca.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "lectura.h"
#include "plataforma.h"

// The numbers are tested a block at a time.
constexpr long long mida_bloc = 1 << 15;

// For every x from inici to fi, the sum of all its divisors, x included, at
// sumes[x - inici]. Divisors come in pairs y and x / y with y <= x / y, so
// each y up to the square root of fi is added, with its pair, to each of its
// multiples x in the block from y * y on. The sums pass the int maximum for
// some abundant numbers, so they are 64-bit.
void sumes_divisors(long long inici, long long fi, std::vector<long long> &sumes) {
  sumes.assign(static_cast<std::size_t>(fi - inici + 1), 0);
  for (long long y = 1; y * y <= fi; y++) {
    long long x = std::max(y * y, (inici + y - 1) / y * y);
    for (long long parella = x / y; x <= fi; x += y, parella++)
      sumes[static_cast<std::size_t>(x - inici)] += parella == y ? y : y + parella;
  }
}

int main() {
  int num_tope;
  long long suma;
  float porcentaje;
  std::vector<long long> sumes;
  do {
    if (!lectura::pregunta("Entra un numero: ", "%d", &num_tope)) return 0;
  } while (num_tope < 0);
  // 64-bit counters: a limit of 2147483647 ends without them passing it.
  for (long long inici = 2; inici <= num_tope; inici += mida_bloc) {
    long long fi = std::min(inici + mida_bloc - 1, static_cast<long long>(num_tope));
    sumes_divisors(inici, fi, sumes);
    for (long long x = inici; x <= fi; x++) {
      // The divisors below x.
      suma = sumes[static_cast<std::size_t>(x - inici)] - x;
      if (suma == x) std::printf("%20d\n", static_cast<int>(x));
      porcentaje = static_cast<float>(x) / static_cast<float>(num_tope) * 100.0f;
      std::printf("%6.2f%% (%d)", static_cast<double>(porcentaje), static_cast<int>(x));
      std::printf("\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b");
    }
  }
  std::printf("               \nFin");
  plataforma::system("pause >NUL");
}
