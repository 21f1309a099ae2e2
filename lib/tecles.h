// Turns the bytes a terminal sends for keys into the console's key codes.
// Pure: it is fed bytes and the time that passed, and hands out codes; it
// never touches the terminal, so it is tested on its own.
#ifndef TECLES_H
#define TECLES_H

#include <deque>
#include <string>

namespace plataforma {

// Key codes, as the original console gave them.
namespace tecla {
constexpr int prefix_estesa = 224;   // arrows, Home, End, PgUp, PgDn, Ins, Del
constexpr int prefix_funcio = 0;     // F1 to F10
constexpr int amunt = 72, esquerra = 75, dreta = 77, avall = 80;
constexpr int inici = 71, fi = 79, re_pag = 73, av_pag = 81, insereix = 82, suprimeix = 83;
constexpr int f1 = 59;               // F1..F10 are 59..68
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

  // A sequence has started and waits for more bytes (or for time to pass).
  bool esperant() const { return !sequencia_.empty(); }
  bool hi_ha_codi() const { return !codis_.empty(); }
  // The next code; call only when hi_ha_codi().
  int treu_codi();
  // Forgets what was typed and not yet handed out.
  void buida();

 private:
  void acaba_sequencia();
  void tradueix_sequencia();
  void estesa(int prefix, int codi);

  std::string sequencia_;  // bytes of an unfinished Esc sequence, Esc included
  bool descarta_ = false;  // inside an overlong sequence: dropped up to its final byte
  int esperat_ms_ = 0;
  std::deque<int> codis_;
};

}  // namespace plataforma

#endif
