// The reply readers on any reply: "%d" takes exactly the numbers strtoll
// reads that fit in an int, and what follows the number stays unread.
#include <array>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "lectura.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dades, std::size_t mida) {
  std::string text(reinterpret_cast<const char *>(dades), mida);
  FILE *propia = stdin;
  FILE *f = fmemopen(text.data(), text.size() ? text.size() : 1, "r");
  if (!f) return 0;
  if (text.empty()) std::fgetc(f);  // an empty stream
  stdin = f;
  int valor = 12345;
  int r = lectura::escaneja("%d", std::array<void *, 2> {&valor, nullptr}.data());
  int seguent = std::fgetc(f);
  stdin = propia;
  std::fclose(f);

  // The oracle: blanks, then strtoll's reading of a decimal number.
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) i++;
  if (i == text.size()) {
    if (r != EOF) std::abort();
    return 0;
  }
  std::string resta = text.substr(i);
  const char *inici = resta.c_str();
  char *fi = nullptr;
  errno = 0;
  long long n = std::strtoll(inici, &fi, 10);
  bool nombre = fi != inici && resta.find('\0') >= static_cast<std::size_t>(fi - inici);
  bool cap = nombre && errno == 0 && n >= INT_MIN && n <= INT_MAX;
  if (cap) {
    if (r != 1 || valor != n) std::abort();
    std::size_t despres = i + static_cast<std::size_t>(fi - inici);
    int esperat = despres < text.size() ? static_cast<unsigned char>(text[despres]) : EOF;
    if (seguent != esperat) std::abort();
  } else if (r == 1) {
    std::abort();
  }
  return 0;
}
