// The console's code page, 850, on a UTF-8 terminal: each byte the programs
// print is shown as the character the console showed for it, and each typed
// character that the code page has arrives as its one byte.
#include <langinfo.h>

#include <clocale>
#include <cstring>
#include <string>

#include "intern.h"
#include "pagina_codis.h"
#include "plataforma.h"
#include "tecles.h"

namespace plataforma::intern {

namespace {

// The characters of bytes 128 to 255, from the code page's chart.
// clang-format off
constexpr char16_t alts[128] = {
    u'Ç', u'ü', u'é', u'â', u'ä', u'à', u'å', u'ç', u'ê', u'ë', u'è', u'ï', u'î', u'ì', u'Ä', u'Å',
    u'É', u'æ', u'Æ', u'ô', u'ö', u'ò', u'û', u'ù', u'ÿ', u'Ö', u'Ü', u'ø', u'£', u'Ø', u'×', u'ƒ',
    u'á', u'í', u'ó', u'ú', u'ñ', u'Ñ', u'ª', u'º', u'¿', u'®', u'¬', u'½', u'¼', u'¡', u'«', u'»',
    u'░', u'▒', u'▓', u'│', u'┤', u'Á', u'Â', u'À', u'©', u'╣', u'║', u'╗', u'╝', u'¢', u'¥', u'┐',
    u'└', u'┴', u'┬', u'├', u'─', u'┼', u'ã', u'Ã', u'╚', u'╔', u'╩', u'╦', u'╠', u'═', u'╬', u'¤',
    u'ð', u'Ð', u'Ê', u'Ë', u'È', u'ı', u'Í', u'Î', u'Ï', u'┘', u'┌', u'█', u'▄', u'¦', u'Ì', u'▀',
    u'Ó', u'ß', u'Ô', u'Ò', u'õ', u'Õ', u'µ', u'þ', u'Þ', u'Ú', u'Û', u'Ù', u'ý', u'Ý', u'¯', u'´',
    u'\u00AD', u'±', u'‗', u'¾', u'¶', u'§', u'÷', u'¸', u'°', u'¨', u'·', u'¹', u'³', u'²', u'■', u'\u00A0',
};
// clang-format on

// The glyphs the console showed for the control bytes 0 to 31 (a NUL shows
// as a blank); 127 is the house.
// clang-format off
constexpr char16_t controls[32] = {
    u' ', u'☺', u'☻', u'♥', u'♦', u'♣', u'♠', u'•', u'◘', u'○', u'◙', u'♂', u'♀', u'♪', u'♫', u'☼',
    u'►', u'◄', u'↕', u'‼', u'¶', u'§', u'▬', u'↨', u'↑', u'↓', u'→', u'←', u'∟', u'↔', u'▲', u'▼',
};
// clang-format on
constexpr char16_t casa = u'⌂';

// Each byte's UTF-8 form, built once: at most three bytes and a length.
struct Forma {
  char bytes[3];
  unsigned char mida;
};

constexpr Forma codifica(char16_t c) {
  if (c < 0x80) return {{static_cast<char>(c), 0, 0}, 1};
  if (c < 0x800) return {{static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F)), 0}, 2};
  return {{static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
           static_cast<char>(0x80 | (c & 0x3F))},
          3};
}

struct Taula {
  Forma forma[256];
  constexpr Taula() : forma {} {
    for (int b = 0; b < 256; b++)
      forma[b] = b < 32     ? codifica(controls[b])
                 : b == 127 ? codifica(casa)
                 : b < 128  ? codifica(static_cast<char16_t>(b))
                            : codifica(alts[b - 128]);
  }
};
constexpr Taula taula;

int utf8 = -1;  // the terminal's locale is UTF-8 (-1 not asked yet)

}  // namespace

bool locale_utf8() {
  if (utf8 < 0) {
    // The program's own locale stays "C": only the character set is read.
    const char *abans = std::setlocale(LC_CTYPE, nullptr);
    std::string desat = abans ? abans : "C";
    std::setlocale(LC_CTYPE, "");
    const char *joc = nl_langinfo(CODESET);
    utf8 = joc && (std::strcmp(joc, "UTF-8") == 0 || std::strcmp(joc, "utf8") == 0) ? 1 : 0;
    std::setlocale(LC_CTYPE, desat.c_str());
  }
  return utf8 == 1;
}

void afegeix_glif(unsigned char b, std::string &sortida) {
  const Forma &f = taula.forma[b];
  sortida.append(f.bytes, f.mida);
}

int byte_de(char32_t caracter) {
  if (caracter < 0x80) return static_cast<int>(caracter);
  for (int i = 0; i < 128; i++)
    if (alts[i] == caracter) return 128 + i;
  return -1;
}

std::string a_pagina_codis(const char *dades, std::size_t mida) {
  std::string r;
  r.reserve(mida);
  const auto *s = reinterpret_cast<const unsigned char *>(dades);
  for (std::size_t i = 0; i < mida;) {
    auto n = static_cast<std::size_t>(utf8::llargada(s[i]));
    bool sencer = n != 0 && i + n <= mida;
    for (std::size_t k = 1; sencer && k < n; k++) sencer = utf8::continuacio(s[i + k]);
    if (!sencer) {
      r.push_back(static_cast<char>(s[i++]));  // ASCII, or a stray byte as it came
      continue;
    }
    char32_t c = utf8::caracter(s + i, n);
    int b = c == utf8::refusat ? -1 : byte_de(c);
    r.push_back(b < 0 ? '?' : static_cast<char>(b));  // a character the code page lacks shows as "?"
    i += n;
  }
  return r;
}

}  // namespace plataforma::intern

bool plataforma::terminal_utf8() { return intern::locale_utf8(); }

std::string plataforma::de_pagina_codis(std::string_view bytes) {
  std::string r;
  r.reserve(bytes.size());
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    if (b < 128)
      r.push_back(c);
    else
      intern::afegeix_glif(b, r);
  }
  return r;
}

std::string plataforma::a_pagina_codis(std::string_view text) {
  return intern::a_pagina_codis(text.data(), text.size());
}
