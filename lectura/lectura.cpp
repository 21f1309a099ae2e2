// The reading engine of the reply readers: scanf's directives, with integer
// conversions read here so that a number outside its type does not match.
#include "lectura.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>

namespace lectura {

namespace {

bool es_espai(int c) { return c != EOF && std::isspace(static_cast<unsigned char>(c)); }

// Skips white space in the input; returns the first other byte (left
// unread) or EOF.
int salta_espais() {
  int c;
  while (es_espai(c = std::getchar())) {
  }
  if (c != EOF) std::ungetc(c, stdin);
  return c;
}

int valor_xifra(int c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

enum class Enter { llegit, no_casa, fi };

// Reads an integer as scanf's conversion does (width amplada, 0 for none;
// base 0 takes the C prefixes), into its sign and magnitude; a magnitude
// that passes 64 bits is marked as too large.
Enter llegeix_enter(int amplada, int base, bool &negatiu, std::uint64_t &magnitud, bool &massa_gran) {
  int c;
  while (es_espai(c = std::getchar())) {
  }
  if (c == EOF) return Enter::fi;
  int usats = 0;
  auto hi_cap = [&] { return amplada == 0 || usats < amplada; };
  auto pren = [&] {
    usats++;
    c = std::getchar();
  };
  negatiu = false;
  magnitud = 0;
  massa_gran = false;
  bool xifres = false;
  if (c == '+' || c == '-') {
    negatiu = c == '-';
    pren();
  }
  if ((base == 0 || base == 16) && c == '0' && hi_cap()) {
    pren();
    xifres = true;
    if ((c == 'x' || c == 'X') && hi_cap()) {
      pren();
      base = 16;
    } else if (base == 0) {
      base = 8;
    }
  }
  if (base == 0) base = 10;
  while (c != EOF && hi_cap() && valor_xifra(c) < base) {
    auto x = static_cast<std::uint64_t>(valor_xifra(c));
    if (magnitud > (UINT64_MAX - x) / static_cast<std::uint64_t>(base))
      massa_gran = true;
    else
      magnitud = magnitud * static_cast<std::uint64_t>(base) + x;
    xifres = true;
    pren();
  }
  if (c != EOF) std::ungetc(c, stdin);
  return xifres ? Enter::llegit : Enter::no_casa;
}

// Stores the integer when it fits in the conversion's type.
bool desa_enter(Tipus tipus, bool negatiu, std::uint64_t magnitud, void *desti) {
  auto cap = [&](std::int64_t minim, std::int64_t maxim) {
    return negatiu ? magnitud <= static_cast<std::uint64_t>(-(minim + 1)) + 1u
                   : magnitud <= static_cast<std::uint64_t>(maxim);
  };
  auto amb_signe = [&] {
    return negatiu ? static_cast<std::int64_t>(0u - magnitud) : static_cast<std::int64_t>(magnitud);
  };
  switch (tipus) {
    case Tipus::enter:
      if (!cap(INT_MIN, INT_MAX)) return false;
      if (desti) *static_cast<int *>(desti) = static_cast<int>(amb_signe());
      return true;
    case Tipus::enter_curt:
      if (!cap(SHRT_MIN, SHRT_MAX)) return false;
      if (desti) *static_cast<short *>(desti) = static_cast<short>(amb_signe());
      return true;
    case Tipus::enter_llarg:
    case Tipus::enter_molt_llarg:
      if (!cap(INT64_MIN, INT64_MAX)) return false;
      if (desti && tipus == Tipus::enter_llarg) *static_cast<long *>(desti) = static_cast<long>(amb_signe());
      if (desti && tipus == Tipus::enter_molt_llarg) *static_cast<long long *>(desti) = amb_signe();
      return true;
    case Tipus::natural:
      if ((negatiu && magnitud != 0) || magnitud > UINT_MAX) return false;
      if (desti) *static_cast<unsigned *>(desti) = static_cast<unsigned>(magnitud);
      return true;
    default: return false;
  }
}

}  // namespace

int escaneja(const char *format, void *const *desti) {
  int desats = 0;
  auto fi = [&] { return desats == 0 ? EOF : desats; };
  for (const char *p = format; *p;) {
    if (es_espai(static_cast<unsigned char>(*p))) {
      while (es_espai(static_cast<unsigned char>(*p))) p++;
      salta_espais();
      continue;
    }
    if (*p != '%' || p[1] == '%') {
      char esperat = *p;
      p += *p == '%' ? 2 : 1;
      if (esperat == '%' && salta_espais() == EOF) return fi();
      int c = std::getchar();
      if (c == EOF) return fi();
      if (c != static_cast<unsigned char>(esperat)) {
        std::ungetc(c, stdin);
        return desats;
      }
      continue;
    }
    const char *inici = p++;
    Tipus tipus = Tipus::cap;
    bool suprimida = false;
    const char *seguent = detall::conversio(p, tipus, suprimida);
    const char *q = p + (suprimida ? 1 : 0);
    int amplada = 0;
    for (; *q >= '0' && *q <= '9'; q++) amplada = amplada * 10 + (*q - '0');
    while (*q == 'h' || *q == 'l' || *q == 'L') q++;
    char conv = *q;
    p = seguent;
    void *on = suprimida ? nullptr : desti[desats];
    if (std::string_view("diouxX").find(conv) != std::string_view::npos) {
      int base = conv == 'd' || conv == 'u' ? 10 : conv == 'i' ? 0 : conv == 'o' ? 8 : 16;
      bool negatiu, massa_gran;
      std::uint64_t magnitud;
      Enter e = llegeix_enter(amplada, base, negatiu, magnitud, massa_gran);
      if (e == Enter::fi) return fi();
      if (e == Enter::no_casa || massa_gran || !desa_enter(tipus, negatiu, magnitud, on)) return desats;
    } else {
      // Every other conversion is the C library's own, one at a time; %n
      // tells whether it matched, suppressed or not.
      std::string una(inici, seguent);
      una += "%n";
      int consumits = -1;
      int r = on ? std::scanf(una.c_str(), on, &consumits) : std::scanf(una.c_str(), &consumits);
      if (r == EOF) return fi();
      if (consumits < 0) return desats;
    }
    if (!suprimida) desats++;
  }
  return desats;
}

}  // namespace lectura
