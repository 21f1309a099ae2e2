// Safe reading of typed replies: formatted values and whole lines, with a
// clear answer for a reply that does not match and for the end of input.
#ifndef LECTURA_H
#define LECTURA_H

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include "plataforma.h"

namespace lectura {

constexpr int fi_entrada = EOF;

// Reads values with the scanf format, which holds n conversions.
// Returns 1 when all n matched; 0 when the reply did not match, after
// dropping the rest of its line; fi_entrada when input ended first.
inline int vllegeix_valors(int n, const char *format, std::va_list valors) {
  int llegits = std::vscanf(format, valors);
  if (llegits == n) return 1;
  if (llegits == EOF || std::feof(stdin)) return fi_entrada;
  plataforma::fflush(stdin);
  return 0;
}

[[gnu::format(scanf, 2, 3)]] inline int llegeix_valors(int n, const char *format, ...) {
  std::va_list valors;
  va_start(valors, format);
  int r = vllegeix_valors(n, format, valors);
  va_end(valors);
  return r;
}

// Prints the question and reads the reply with the scanf format (n
// conversions), asking again while the reply does not match. False when
// input ended first.
[[gnu::format(scanf, 3, 4)]] inline bool pregunta(const char *text, int n, const char *format, ...) {
  for (;;) {
    std::fputs(text, stdout);
    std::va_list valors;
    va_start(valors, format);
    int r = vllegeix_valors(n, format, valors);
    va_end(valors);
    if (r != 0) return r == 1;
  }
}

// Reads the rest of the current line into linia, without its line feed.
// Returns false when input had already ended (nothing was read).
inline bool llegeix_linia(std::string &linia) {
  linia.clear();
  int c = std::getchar();
  if (c == EOF) return false;
  while (c != EOF && c != '\n') {
    linia.push_back(static_cast<char>(c));
    c = std::getchar();
  }
  return true;
}

// Same, into a buffer of mida bytes: keeps the first mida - 1 characters,
// drops the rest of the line, and always terminates the text.
inline bool llegeix_linia(char *desti, std::size_t mida) {
  std::string linia;
  bool llegida = llegeix_linia(linia);
  std::size_t n = linia.size() < mida - 1 ? linia.size() : mida - 1;
  std::memcpy(desti, linia.data(), n);
  desti[n] = '\0';
  return llegida;
}

}  // namespace lectura

#endif
