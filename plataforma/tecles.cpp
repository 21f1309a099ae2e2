// Decoder of terminal key sequences into the console's key codes.
#include "tecles.h"

#include <cstdint>

namespace plataforma {

int utf8::llargada(unsigned char b) {
  if (b >= 0xC0 && b <= 0xDF) return 2;
  if (b >= 0xE0 && b <= 0xEF) return 3;
  if (b >= 0xF0 && b <= 0xF7) return 4;
  return 0;
}

char32_t utf8::caracter(const unsigned char *s, std::size_t n) {
  std::uint32_t punt = s[0] & (0x7Fu >> n);
  for (std::size_t i = 1; i < n; i++) punt = punt << 6 | (s[i] & 0x3Fu);
  // The shortest form only: each length starts where the shorter one ends.
  const std::uint32_t minim = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
  if (punt < minim || (punt >= 0xD800 && punt <= 0xDFFF) || punt > 0x10FFFF) return refusat;
  return static_cast<char32_t>(punt);
}

namespace {

// The final byte of a CSI sequence (Esc [ ... F) lies in 0x40..0x7E.
bool es_final_csi(unsigned char b) { return b >= 0x40 && b <= 0x7E; }

}  // namespace

void DescodificadorTecles::byte(unsigned char b) {
  if (descarta_) {
    descarta_ = !es_final_csi(b);
    return;
  }
  if (!utf8_.empty()) {
    if (utf8::continuacio(b)) {
      utf8_.push_back(static_cast<char>(b));
      if (utf8_.size() == utf8_mida_) {
        char32_t caracter = utf8::caracter(reinterpret_cast<const unsigned char *>(utf8_.data()), utf8_.size());
        codis_.push_back(caracter == utf8::refusat ? '?'
                         : tradueix_               ? tradueix_(caracter)
                         : caracter <= 0xFF        ? static_cast<int>(caracter)
                                                   : '?');
        utf8_.clear();
      }
      return;
    }
    acaba_utf8();  // not a character after all: its bytes are keys of their own
  }
  if (sequencia_.empty()) {
    if (utf8::llargada(b) != 0) {
      utf8_.assign(1, static_cast<char>(b));
      utf8_mida_ = static_cast<std::size_t>(utf8::llargada(b));
      esperat_ms_ = 0;
    } else if (b == tecla::esc) {
      sequencia_.push_back(static_cast<char>(b));
      esperat_ms_ = 0;
    } else if (b == 0x7F || b == 0x08) {
      codis_.push_back(tecla::retroces);
    } else if (b == '\n' || b == '\r') {
      codis_.push_back(tecla::retorn);
    } else {
      codis_.push_back(b);
    }
    return;
  }

  esperat_ms_ = 0;
  if (sequencia_.size() == 1) {
    if (b == '[' || b == 'O') {
      sequencia_.push_back(static_cast<char>(b));
      return;
    }
    // Esc followed by anything else: the Esc key, then that byte as a key.
    sequencia_.clear();
    codis_.push_back(tecla::esc);
    byte(b);
    return;
  }

  sequencia_.push_back(static_cast<char>(b));
  // "Esc O x" is always three bytes; the Linux console's F1..F5 are "Esc [ [ x".
  bool complet = sequencia_[1] == 'O' || (sequencia_.size() == 4 && sequencia_[2] == '[') ||
                 (sequencia_[2] != '[' && es_final_csi(b));
  if (complet) {
    tradueix_sequencia();
    sequencia_.clear();
  } else if (sequencia_.size() > 16) {
    sequencia_.clear();  // not a key we know: dropped whole, one key
    codis_.push_back(tecla::sense_codi);
    descarta_ = true;
  }
}

void DescodificadorTecles::temps(int ms) {
  if (descarta_ && ms >= espera_esc_ms) descarta_ = false;
  if (!esperant()) return;
  esperat_ms_ += ms;
  if (esperat_ms_ < espera_esc_ms) return;
  if (!utf8_.empty())
    acaba_utf8();
  else
    acaba_sequencia();
}

int DescodificadorTecles::treu_codi() {
  int codi = codis_.front();
  codis_.pop_front();
  return codi;
}

void DescodificadorTecles::buida() {
  descarta_ = false;
  utf8_.clear();
  sequencia_.clear();
  codis_.clear();
}

// Time ran out inside a sequence: what came is a plain Esc and plain keys.
void DescodificadorTecles::acaba_sequencia() {
  std::string bytes = sequencia_;
  sequencia_.clear();
  codis_.push_back(tecla::esc);
  for (std::size_t i = 1; i < bytes.size(); i++) codis_.push_back(static_cast<unsigned char>(bytes[i]));
}

// An unfinished character: each of its bytes is a key.
void DescodificadorTecles::acaba_utf8() {
  for (char c : utf8_) codis_.push_back(static_cast<unsigned char>(c));
  utf8_.clear();
}

void DescodificadorTecles::estesa(int prefix, int codi) {
  codis_.push_back(prefix);
  codis_.push_back(codi);
}

void DescodificadorTecles::tradueix_sequencia() {
  const char final = sequencia_.back();
  if (sequencia_[1] == '[' && sequencia_[2] == '[') {
    if (final >= 'A' && final <= 'E')
      estesa(tecla::prefix_funcio, tecla::f1 + (final - 'A'));
    else
      codis_.push_back(tecla::sense_codi);
    return;
  }
  // Letters: arrows, Home, End and (after Esc O) F1 to F4. Modifiers such as
  // "Esc [ 1 ; 5 A" are ignored: the key is the same.
  switch (final) {
    case 'A': estesa(tecla::prefix_estesa, tecla::amunt); return;
    case 'B': estesa(tecla::prefix_estesa, tecla::avall); return;
    case 'C': estesa(tecla::prefix_estesa, tecla::dreta); return;
    case 'D': estesa(tecla::prefix_estesa, tecla::esquerra); return;
    case 'H': estesa(tecla::prefix_estesa, tecla::inici); return;
    case 'F': estesa(tecla::prefix_estesa, tecla::fi); return;
    case 'P':
    case 'Q':
    case 'R':
    case 'S': estesa(tecla::prefix_funcio, tecla::f1 + (final - 'P')); return;
    case 'Z':
      if (sequencia_[1] == '[') {
        estesa(tecla::prefix_funcio, tecla::maj_tab);
        return;
      }
      break;
    case '~': break;
    default: break;
  }
  if (final != '~' || sequencia_[1] != '[') {
    codis_.push_back(tecla::sense_codi);  // a sequence of no key of the console
    return;
  }
  // "Esc [ n ~" (possibly "Esc [ n ; m ~"): the number names the key.
  int n = 0;
  for (std::size_t i = 2; i < sequencia_.size() && sequencia_[i] >= '0' && sequencia_[i] <= '9'; i++)
    n = n * 10 + (sequencia_[i] - '0');
  switch (n) {
    case 1:
    case 7: estesa(tecla::prefix_estesa, tecla::inici); return;
    case 4:
    case 8: estesa(tecla::prefix_estesa, tecla::fi); return;
    case 2: estesa(tecla::prefix_estesa, tecla::insereix); return;
    case 3: estesa(tecla::prefix_estesa, tecla::suprimeix); return;
    case 5: estesa(tecla::prefix_estesa, tecla::re_pag); return;
    case 6: estesa(tecla::prefix_estesa, tecla::av_pag); return;
    case 11:
    case 12:
    case 13:
    case 14:
    case 15: estesa(tecla::prefix_funcio, tecla::f1 + (n - 11)); return;
    case 17:
    case 18:
    case 19:
    case 20:
    case 21: estesa(tecla::prefix_funcio, tecla::f1 + 5 + (n - 17)); return;
    case 23: estesa(tecla::prefix_estesa, tecla::f11); return;
    case 24: estesa(tecla::prefix_estesa, tecla::f12); return;
    default: codis_.push_back(tecla::sense_codi); return;
  }
}

}  // namespace plataforma
