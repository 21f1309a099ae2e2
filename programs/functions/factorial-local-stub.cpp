// Porta un factorial propi, el de la biblioteca. No mostra res en executar-se.
#include <cstdint>

#include "enters32.h"

// n!, exact up to 12; from 13 on the 32-bit product wraps.
long factorial(int n) {
  std::uint32_t producte = 1;
  for (std::int64_t i = 1; i <= n && producte != 0; i++) producte *= enters32::patro(i);
  return enters32::enter(producte);
}

int main() {}
