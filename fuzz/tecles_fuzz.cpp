// The key decoder fed any bytes with any pauses between them: every code is
// a console key code (or the mark of a sequence of no key), plain keys pass
// one code each, and once time has passed
// nothing stays half-decoded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "tecles.h"

using plataforma::DescodificadorTecles;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dades, std::size_t mida) {
  DescodificadorTecles d;
  std::size_t simples = 0, codis = 0;
  bool tot_simple = true;
  for (std::size_t i = 0; i < mida; i++) {
    std::uint8_t b = dades[i];
    // Bytes with the top two bits set mean a pause of (b & 63) ms, the
    // rest are typed bytes.
    if ((b & 0xC0) == 0xC0 && i + 1 < mida) {
      d.temps(b & 63);
      continue;
    }
    if (b == 27 || b >= 128) tot_simple = false;
    simples++;
    d.byte(b);
    while (d.hi_ha_codi()) {
      int c = d.treu_codi();
      if ((c < 0 || c > 255) && c != plataforma::tecla::sense_codi) std::abort();
      codis++;
    }
  }
  d.temps(DescodificadorTecles::espera_esc_ms);
  while (d.hi_ha_codi()) {
    int c = d.treu_codi();
    if ((c < 0 || c > 255) && c != plataforma::tecla::sense_codi) std::abort();
    codis++;
  }
  if (d.esperant()) std::abort();  // a whole Esc wait ends every sequence
  // Without Esc or bytes above 127, every byte is its own key (CR, LF and
  // DEL become Enter, Enter and Backspace, still one code each).
  if (tot_simple && codis != simples) std::abort();
  return 0;
}
