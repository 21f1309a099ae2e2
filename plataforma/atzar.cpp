// The original runtime's random generator, so that ranges and sequences are
// the ones the programs were written for.
#include <cstdint>

#include "plataforma.h"

namespace plataforma {

namespace {
std::uint32_t estat = 1;
}

int rand() {
  estat = estat * 214013u + 2531011u;
  return static_cast<int>((estat >> 16) & 0x7FFFu);
}

void srand(unsigned semilla) { estat = semilla; }

}  // namespace plataforma
