// Turns the bytes a terminal sends for keys into the console's key codes.
// Pure: it is fed bytes and the time that passed, and hands out codes; it
// never touches the terminal, so it is tested on its own.
#ifndef TECLES_H
#define TECLES_H

#include <cstddef>
#include <deque>
#include <string>

namespace plataforma {

// Typed UTF-8: the one decoder of characters, for keys and for lines alike.
namespace utf8 {
// What a sequence that is no character decodes to: an overlong form (C0 A7
// for an apostrophe), a surrogate or a value above U+10FFFF.
constexpr char32_t refusat = 0xFFFFFFFF;
// How many bytes the sequence that byte b starts has (2 to 4); 0 for a byte
// that starts none (ASCII, a continuation byte, F8 to FF).
int llargada(unsigned char b);
constexpr bool continuacio(unsigned char b) { return (b & 0xC0) == 0x80; }
// The character of n bytes: a lead byte of that length and n - 1
// continuation bytes. refusat when they form no character.
char32_t caracter(const unsigned char *s, std::size_t n);
}  // namespace utf8

// Key codes, as the original console gave them.
namespace tecla {
constexpr int prefix_estesa = 224;  // arrows, Home, End, PgUp, PgDn, Ins, Del
constexpr int prefix_funcio = 0;    // F1 to F10
constexpr int amunt = 72, esquerra = 75, dreta = 77, avall = 80;
constexpr int inici = 71, fi = 79, re_pag = 73, av_pag = 81, insereix = 82, suprimeix = 83;
constexpr int f1 = 59;               // F1..F10 are 59..68
constexpr int f11 = 133, f12 = 134;  // after 224
constexpr int maj_tab = 15;          // Shift-Tab, after 0
// A key the console has no code for (a sequence of no known key): it counts
// as one key at a pause, and a key read skips it.
constexpr int sense_codi = -1;
constexpr int retorn = 13, retroces = 8, esc = 27;
}  // namespace tecla

class DescodificadorTecles {
 public:
  // How long a lone Esc waits for the rest of a sequence.
  static constexpr int espera_esc_ms = 50;

  // One byte arrived from the terminal.
  void byte(unsigned char b);
  // ms milliseconds passed without a byte; ends an Esc sequence that has
  // waited long enough (a lone Esc becomes the Esc key).
  void temps(int ms);

  // A sequence (an Esc sequence or the bytes of one UTF-8 character) has
  // started and waits for more bytes, or for time to pass.
  bool esperant() const { return !sequencia_.empty() || !utf8_.empty(); }
  bool hi_ha_codi() const { return !codis_.empty(); }
  // The next code; call only when hi_ha_codi().
  int treu_codi();
  int mira_codi() const { return codis_.front(); }
  // Forgets what was typed and not yet handed out.
  void buida();
  // The code of a typed UTF-8 character: by default its Latin-1 byte, or
  // "?" outside Latin-1; the console gives its code page's byte. A sequence
  // that utf8::caracter refuses is "?" either way.
  void tradueix_caracters(int (*tradueix)(char32_t caracter)) { tradueix_ = tradueix; }

 private:
  void acaba_sequencia();
  void acaba_utf8();
  void tradueix_sequencia();
  void estesa(int prefix, int codi);

  std::string sequencia_;      // bytes of an unfinished Esc sequence, Esc included
  std::string utf8_;           // the bytes so far of a UTF-8 character
  std::size_t utf8_mida_ = 0;  // how many bytes that character has
  bool descarta_ = false;      // inside an overlong sequence: dropped up to its final byte
  int esperat_ms_ = 0;
  std::deque<int> codis_;
  int (*tradueix_)(char32_t) = nullptr;
};

}  // namespace plataforma

#endif
