// The array library's sorts and searches against the standard algorithms.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "taules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dades, std::size_t mida) {
  if (mida < 4) return 0;
  int valor;
  std::memcpy(&valor, dades, sizeof valor);
  std::vector<int> v((mida - 4) / sizeof(int));
  if (!v.empty()) std::memcpy(v.data(), dades + 4, v.size() * sizeof(int));
  // Small values too, so that equal elements and hits are common.
  if (valor & 1)
    for (int &x : v) x %= 8;
  int dim = static_cast<int>(v.size());

  if (recerca_sequencial(v.data(), dim, valor) !=
      (std::find(v.begin(), v.end(), valor) == v.end()
           ? -1
           : static_cast<int>(std::find(v.begin(), v.end(), valor) - v.begin())))
    std::abort();

  std::vector<int> creixent = v, decreixent = v;
  std::sort(creixent.begin(), creixent.end());
  std::sort(decreixent.begin(), decreixent.end(), std::greater<int>());
  for (auto ordena : {seleccio_directa, insercio_directa, metode_bombolla}) {
    std::vector<int> w = v;
    ordena(w.data(), dim);
    if (w != creixent) std::abort();
  }
  for (auto ordena : {seleccio_directa_descendent, insercio_directa_descendent, metode_bombolla_descendent}) {
    std::vector<int> w = v;
    ordena(w.data(), dim);
    if (w != decreixent) std::abort();
  }
  int r = recerca_dicotomica(creixent.data(), dim, valor);
  bool hi_es = std::binary_search(creixent.begin(), creixent.end(), valor);
  if (hi_es ? (r < 0 || r >= dim || creixent[static_cast<std::size_t>(r)] != valor) : r != -1) std::abort();
  return 0;
}
