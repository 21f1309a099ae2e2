// The runtime's string services, with the console's one case rule.
#include <cstdint>

#include "intern.h"
#include "plataforma.h"

namespace plataforma {

char intern::baixa(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

using intern::baixa;

int _strcmpi(const char *a, const char *b) {
  for (;; a++, b++) {
    int ca = static_cast<unsigned char>(baixa(*a));
    int cb = static_cast<unsigned char>(baixa(*b));
    if (ca != cb || ca == 0) return ca - cb;
  }
}

char *_strlwr(char *s) {
  for (char *c = s; *c; c++) *c = baixa(*c);
  return s;
}

char *_itoa(int valor, char *buffer, int base) {
  if (base < 2 || base > 36) {
    buffer[0] = '\0';
    return buffer;
  }
  char *p = buffer;
  std::uint32_t n = static_cast<std::uint32_t>(valor);
  if (base == 10 && valor < 0) {
    *p++ = '-';
    n = 0u - n;
  }
  char xifres[33];
  int k = 0;
  do {
    xifres[k++] = "0123456789abcdefghijklmnopqrstuvwxyz"[n % static_cast<std::uint32_t>(base)];
    n /= static_cast<std::uint32_t>(base);
  } while (n > 0);
  while (k > 0) *p++ = xifres[--k];
  *p = '\0';
  return buffer;
}

}  // namespace plataforma
