// The reply readers on any reply: "%d" takes exactly the numbers strtoll
// reads that fit in an int, and what follows the number stays unread; "%lf"
// reads as the C library's fscanf reads the same reply with each comma
// between two digits written as a point.
#include <array>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lectura.h"

namespace {

// A stream that reads the text's bytes (an empty one for an empty text).
FILE *obre(std::string &text) {
  FILE *f = fmemopen(text.data(), text.size() ? text.size() : 1, "r");
  if (f && text.empty()) std::fgetc(f);
  return f;
}

std::string resta(FILE *f) {
  std::string r;
  for (int c; (c = std::fgetc(f)) != EOF;) r.push_back(static_cast<char>(c));
  return r;
}

void enter(std::string text) {
  FILE *propia = stdin;
  FILE *f = obre(text);
  if (!f) return;
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
    return;
  }
  std::string resta_text = text.substr(i);
  const char *inici = resta_text.c_str();
  char *fi = nullptr;
  errno = 0;
  long long n = std::strtoll(inici, &fi, 10);
  bool nombre = fi != inici && resta_text.find('\0') >= static_cast<std::size_t>(fi - inici);
  bool cap = nombre && errno == 0 && n >= INT_MIN && n <= INT_MAX;
  if (cap) {
    if (r != 1 || valor != n) std::abort();
    std::size_t despres = i + static_cast<std::size_t>(fi - inici);
    int esperat = despres < text.size() ? static_cast<unsigned char>(text[despres]) : EOF;
    if (seguent != esperat) std::abort();
  } else if (r == 1) {
    std::abort();
  }
}

void real(std::string text) {
  FILE *propia = stdin;
  FILE *f = obre(text);
  if (!f) return;
  stdin = f;
  double valor = 12345;
  int r = lectura::escaneja("%lf", std::array<void *, 2> {&valor, nullptr}.data());
  std::string queda = resta(f);
  stdin = propia;
  std::fclose(f);

  // The oracle: the C library's fscanf, the commas between digits as points.
  std::string amb_punts = text;
  for (std::size_t i = 1; i + 1 < text.size(); i++)
    if (text[i] == ',' && std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
        std::isdigit(static_cast<unsigned char>(text[i + 1])))
      amb_punts[i] = '.';
  FILE *g = obre(amb_punts);
  if (!g) return;
  double esperat = 12345;
  int r_esperat = std::fscanf(g, "%lf", &esperat);
  std::size_t llegits = text.size() - resta(g).size();
  std::fclose(g);
  if (r != r_esperat || queda != text.substr(llegits)) std::abort();
  if (std::memcmp(&valor, &esperat, sizeof valor) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dades, std::size_t mida) {
  std::string text(reinterpret_cast<const char *>(dades), mida);
  enter(text);
  real(text);
  return 0;
}
