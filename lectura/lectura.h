// Safe reading of typed replies: formatted values and whole lines, with a
// clear answer for a reply that does not match and for the end of input.
//
// The formats are scanf's. An integer conversion whose number does not fit
// its type does not match (scanf itself would wrap it silently). A real
// conversion also takes a comma between two digits as the decimal point, as
// a Catalan user types it ("37,5" is 37.5). Everything else reads as scanf
// reads. The number of values and their types are
// checked against the format when the program is compiled.
#ifndef LECTURA_H
#define LECTURA_H

#include <cstddef>
#include <cstdio>
#include <iosfwd>  // std::string, declared: a program that reads into one includes <string>
#include <type_traits>

#include "plataforma.h"

namespace lectura {

constexpr int fi_entrada = EOF;

// The kind of object each conversion stores into.
enum class Tipus : char { enter, enter_curt, enter_llarg, enter_molt_llarg, natural, real, doble, text, cap };

template <class T>
consteval Tipus tipus_de() {
  if constexpr (std::is_same_v<T, int>)
    return Tipus::enter;
  else if constexpr (std::is_same_v<T, short>)
    return Tipus::enter_curt;
  else if constexpr (std::is_same_v<T, long>)
    return Tipus::enter_llarg;
  else if constexpr (std::is_same_v<T, long long>)
    return Tipus::enter_molt_llarg;
  else if constexpr (std::is_same_v<T, unsigned>)
    return Tipus::natural;
  else if constexpr (std::is_same_v<T, float>)
    return Tipus::real;
  else if constexpr (std::is_same_v<T, double>)
    return Tipus::doble;
  else if constexpr (std::is_same_v<T, char>)
    return Tipus::text;
  else
    return Tipus::cap;
}

namespace detall {

// What one conversion of a format stores into; Tipus::cap when suppressed
// ("%*d") or not a conversion. Returns the position after the conversion.
constexpr const char *conversio(const char *p, Tipus &tipus, bool &suprimida) {
  // p is just past the '%'
  suprimida = *p == '*';
  if (suprimida) p++;
  while (*p >= '0' && *p <= '9') p++;
  int llarg = 0;  // -1 h, -2 hh, 1 l, 2 ll
  while (*p == 'h' || *p == 'l' || *p == 'L') {
    llarg += *p == 'h' ? -1 : 1;
    p++;
  }
  char c = *p;
  if (c == '\0') throw "format acabat a mitja conversio";
  p++;
  switch (c) {
    case 'd':
    case 'i':
    case 'o':
    case 'x':
    case 'X':
      tipus = llarg == 0    ? Tipus::enter
              : llarg == -1 ? Tipus::enter_curt
              : llarg == 1  ? Tipus::enter_llarg
              : llarg == 2  ? Tipus::enter_molt_llarg
                            : throw "mida d'enter no admesa";
      break;
    case 'u':
      if (llarg != 0) throw "mida de natural no admesa";
      tipus = Tipus::natural;
      break;
    case 'f':
    case 'e':
    case 'g':
    case 'a':
    case 'E':
    case 'G':
    case 'A': tipus = llarg == 0 ? Tipus::real : llarg == 1 ? Tipus::doble : throw "mida de real no admesa"; break;
    case 's':
    case 'c': tipus = Tipus::text; break;
    case '[':
      tipus = Tipus::text;
      if (*p == '^') p++;
      if (*p == ']') p++;
      while (*p && *p != ']') p++;
      if (*p != ']') throw "conjunt sense tancar";
      p++;
      break;
    case '%':
      tipus = Tipus::cap;
      suprimida = true;
      break;
    default: throw "conversio no admesa";
  }
  return p;
}

}  // namespace detall

// A scanf format whose conversions must store into exactly T... in order.
template <class... T>
struct Format {
  const char *text;
  consteval Format(const char *f) : text(f) {
    constexpr Tipus esperats[] = {tipus_de<T>()..., Tipus::cap};
    std::size_t n = 0;
    for (const char *p = f; *p;) {
      if (*p++ != '%') continue;
      Tipus t = Tipus::cap;
      bool suprimida = false;
      p = detall::conversio(p, t, suprimida);
      if (suprimida) continue;
      if (n >= sizeof...(T)) throw "el format te mes conversions que valors";
      if (esperats[n] != t) throw "el tipus d'un valor no es el de la seva conversio";
      n++;
    }
    if (n != sizeof...(T)) throw "el format te menys conversions que valors";
  }
};

// Reads with the format from standard input, storing into the objects of
// desti in order (already checked against the format). Returns what scanf
// returns: the conversions stored, or EOF when input ended first.
int escaneja(const char *format, void *const *desti);

// Reads one reply's values. Returns 1 when every conversion matched; 0 when
// the reply did not match, after dropping the rest of its line; fi_entrada
// when input ended first.
template <class... T>
int llegeix_valors(std::type_identity_t<Format<T...>> format, T *...valors) {
  void *const desti[] = {static_cast<void *>(valors)..., nullptr};
  int llegits = escaneja(format.text, desti);
  if (llegits == static_cast<int>(sizeof...(T))) return 1;
  if (llegits == EOF || std::feof(stdin)) return fi_entrada;
  plataforma::fflush(stdin);
  return 0;
}

// What happens to the rest of a reply's line once its values were read.
enum class Resta { queda, descarta };

// The one dialogue loop: prints the question and reads the reply, asking
// again while the reply does not match or accepta() refuses its values. A
// refused reply prints avis (when given) before the question comes again; a
// reply that is not a number asks again without it. With Resta::descarta the
// rest of each read line is dropped. False when input ended first.
template <class Accepta, class... T>
bool pregunta_fins(const char *text, Accepta accepta, const char *avis, Resta resta,
                   std::type_identity_t<Format<T...>> format, T *...valors) {
  for (;;) {
    std::fputs(text, stdout);
    int r = llegeix_valors<T...>(format, valors...);
    if (r == fi_entrada) return false;
    if (r == 0) continue;
    if (resta == Resta::descarta) plataforma::fflush(stdin);
    if (accepta()) return true;
    if (avis) std::fputs(avis, stdout);
  }
}

// Prints the question and reads the reply, asking again while it does not
// match. False when input ended first.
template <class... T>
bool pregunta(const char *text, std::type_identity_t<Format<T...>> format, T *...valors) {
  return pregunta_fins(
      text, [] { return true; }, nullptr, Resta::queda, format, valors...);
}

template <class T>
consteval const char *format_de() {
  if constexpr (std::is_same_v<T, int>)
    return "%d";
  else if constexpr (std::is_same_v<T, float>)
    return "%f";
  else
    return "%lf";
}

// Asks for one number until accepta(valor) holds. False at end of input.
template <class T, class Accepta>
requires std::is_invocable_r_v<bool, Accepta, T>
bool demana(const char *text, T &valor, Accepta accepta, const char *avis = nullptr, Resta resta = Resta::queda) {
  return pregunta_fins(
      text, [&] { return static_cast<bool>(accepta(valor)); }, avis, resta, format_de<T>(), &valor);
}

// Asks for one number until minim <= valor <= maxim (a NaN is never
// accepted). False at end of input.
template <class T>
bool demana(const char *text, T &valor, std::type_identity_t<T> minim, std::type_identity_t<T> maxim,
            const char *avis = nullptr, Resta resta = Resta::queda) {
  return demana(
      text, valor, [=](T v) { return v >= minim && v <= maxim; }, avis, resta);
}

// Reads the rest of the current line into linia, without its line feed.
// Returns false when input had already ended (nothing was read).
bool llegeix_linia(std::string &linia);

// Same, into a buffer of mida bytes: keeps the first mida - 1 characters,
// drops the rest of the line, and always terminates the text.
bool llegeix_linia(char *desti, std::size_t mida);

// Reads one integer reply and drops the rest of its line. Returns 1 with the
// number, 0 when the reply was not a number (its line is dropped too), or
// fi_entrada.
inline int llegeix_enter(int *valor) {
  int llegit = llegeix_valors("%d", valor);
  if (llegit == 1) plataforma::fflush(stdin);
  return llegit;
}

// Reads a line into a text field of mida bytes: the field is zero-filled and
// keeps the line's first mida - 1 characters, after neteja (when given) has
// worked on the whole line. False at end of input (the field is untouched).
bool llegeix_camp(char *camp, std::size_t mida, void (*neteja)(char *) = nullptr);

}  // namespace lectura

#endif
