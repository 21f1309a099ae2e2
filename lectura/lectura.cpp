// The reading engine of the reply readers: scanf's directives, with integer
// conversions read here so that a number outside its type does not match,
// and real ones so that a decimal comma reads as the decimal point.
#include "lectura.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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

bool es_xifra(int c) { return c >= '0' && c <= '9'; }

// True when the next byte of the input, left unread, is a decimal digit.
bool ve_xifra() {
  int c = std::getchar();
  if (c != EOF) std::ungetc(c, stdin);
  return es_xifra(c);
}

// Reads a real number's text as scanf's conversion does (width amplada, 0
// for none): blanks, a sign, then "inf", "infinity", "nan" or decimal or
// hexadecimal digits with a point and an exponent. The text is what scanf
// would hand to strtod, with the point the C library reads. A comma between
// two decimal digits, where a point could stand, is the decimal separator
// too: "37,5" reads as 37.5.
Enter llegeix_real(int amplada, std::string &text) {
  int c;
  while (es_espai(c = std::getchar())) {
  }
  if (c == EOF) return Enter::fi;
  int resta = amplada > 0 ? amplada - 1 : -1;  // characters still allowed after c
  // Takes the next character, when the width allows it.
  auto llegeix = [&] {
    if (resta == 0) return false;
    c = std::getchar();
    if (c == EOF) return false;
    if (resta > 0) resta--;
    return true;
  };
  auto afegeix = [&](int x) { text.push_back(static_cast<char>(x)); };
  auto minuscula = [&] { return std::tolower(c); };
  std::size_t signe = 0;
  if (c == '-' || c == '+') {
    signe = 1;
    afegeix(c);
    if (!llegeix()) return Enter::no_casa;
  }
  // Every letter of the word must follow; the one that does not is taken.
  auto paraula = [&](const char *lletres) {
    for (const char *l = lletres; *l; l++) {
      if (!llegeix() || minuscula() != *l) return false;
      afegeix(c);
    }
    return true;
  };
  if (minuscula() == 'n') {
    afegeix(c);
    return paraula("an") ? Enter::llegit : Enter::no_casa;
  }
  if (minuscula() == 'i') {
    afegeix(c);
    if (!paraula("nf")) return Enter::no_casa;
    if (llegeix()) {
      if (minuscula() != 'i') {
        std::ungetc(c, stdin);
      } else {
        afegeix(c);
        if (!paraula("nity")) return Enter::no_casa;
      }
    }
    return Enter::llegit;
  }
  bool hexa = false, xifra = false, punt = false, exponent = false;
  if (c == '0' && resta != 0) {
    afegeix(c);
    c = std::getchar();
    if (resta > 0) resta--;
    if (resta != 0 && (c == 'x' || c == 'X')) {
      afegeix(c);
      hexa = true;
      c = std::getchar();
      if (resta > 0) resta--;
    } else {
      xifra = true;
    }
  }
  char lletra_exponent = hexa ? 'p' : 'e';
  for (;;) {
    if (c == EOF) break;
    if (es_xifra(c) || (hexa && !exponent && std::isxdigit(c))) {
      afegeix(c);
      xifra = true;
    } else if (exponent && text.back() == lletra_exponent && (c == '-' || c == '+')) {
      afegeix(c);
    } else if (xifra && !exponent && minuscula() == lletra_exponent) {
      afegeix(lletra_exponent);
      exponent = punt = true;
    } else if (!punt && c == '.') {
      afegeix(c);
      punt = true;
    } else if (!punt && c == ',' && !text.empty() && es_xifra(text.back()) && ve_xifra()) {
      afegeix('.');
      punt = true;
    } else {
      std::ungetc(c, stdin);
      break;
    }
    if (!llegeix()) break;
  }
  // Nothing but the sign, or "0x" with no digit after it.
  if (text.size() == signe + (hexa ? 2 : 0)) return Enter::no_casa;
  return Enter::llegit;
}

// Converts the text as strtof or strtod; false when no number starts it.
bool desa_real(Tipus tipus, const std::string &text, void *desti) {
  char *fi = nullptr;
  if (tipus == Tipus::real) {
    float f = std::strtof(text.c_str(), &fi);
    if (desti && fi != text.c_str()) *static_cast<float *>(desti) = f;
  } else {
    double d = std::strtod(text.c_str(), &fi);
    if (desti && fi != text.c_str()) *static_cast<double *>(desti) = d;
  }
  return fi != text.c_str();
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
    } else if (std::string_view("aAeEfgG").find(conv) != std::string_view::npos) {
      std::string text;
      Enter e = llegeix_real(amplada, text);
      if (e == Enter::fi) return fi();
      if (e == Enter::no_casa || !desa_real(tipus, text, on)) return desats;
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

bool llegeix_linia(std::string &linia) {
  linia.clear();
  int c = std::getchar();
  if (c == EOF) return false;
  while (c != EOF && c != '\n') {
    linia.push_back(static_cast<char>(c));
    c = std::getchar();
  }
  return true;
}

bool llegeix_linia(char *desti, std::size_t mida) {
  std::string linia;
  bool llegida = llegeix_linia(linia);
  std::size_t n = linia.size() < mida - 1 ? linia.size() : mida - 1;
  std::memcpy(desti, linia.data(), n);
  desti[n] = '\0';
  return llegida;
}

bool llegeix_camp(char *camp, std::size_t mida, void (*neteja)(char *)) {
  std::string linia;
  if (!llegeix_linia(linia)) return false;
  if (neteja) neteja(linia.data());
  std::memset(camp, 0, mida);
  std::strncpy(camp, linia.c_str(), mida - 1);
  return true;
}

}  // namespace lectura
