// The console over the terminal: the layer's model of the terminal's screen
// (it sees every byte of the program's text) stands for the console; cursor
// moves, colours and cursor shape become escape sequences, and block
// operations repaint the changed cells from the model. Everything goes into
// the layer's one output buffer, so it keeps its order with the program's
// prints. When standard output is not a terminal that takes escape
// sequences only the model changes, and text goes out as plain bytes.
// NO_COLOR set (not empty) keeps the terminal's default colours.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "consola.h"
#include "intern.h"
#include "plataforma.h"

namespace conio {

namespace {

namespace intern = plataforma::intern;
namespace seq = plataforma::seq;

// Console colour bits (blue 1, green 2, red 4) in ANSI order (red 1, green
// 2, blue 4).
int ansi(int c) { return ((c & 1) << 2) | (c & 2) | ((c & 4) >> 2); }

bool es_control(unsigned char b) { return b < 32 || b == 127; }

class ConsolaTerminal : public Consola {
 public:
  ConsolaTerminal() {
    const char *sense_color = std::getenv("NO_COLOR");
    colors_ = !sense_color || !*sense_color;
  }

  unsigned mode_entrada() override { return intern::mode_cru ? 0u : 7u; }
  // Mode 0 is the layer's raw mode; the line mode comes back at the next
  // line read, as for every key read of the layer.
  void posa_mode_entrada(unsigned mode) override {
    if (mode == 0) intern::entra_mode_cru();
  }
  bool llegeix_caracter(unsigned char &caracter) override {
    int c;
    if (!intern::llegeix_caracter(c)) return false;
    caracter = static_cast<unsigned char>(c);
    return true;
  }
  void escriu(const char *dades, std::size_t mida) override { std::fwrite(dades, 1, mida, stdout); }
  void posa_cursor(int x, int y) override {
    intern::sincronitza_observador();
    model().posa_cursor(x, y);
    if (terminal()) envia_cursor();
  }
  void omple_caracter(unsigned char c, int n, int x, int y) override {
    intern::sincronitza_observador();
    model().omple_caracter(c, n, x, y);
    repinta_tira(n, x, y);
  }
  void omple_atribut(std::uint16_t a, int n, int x, int y) override {
    intern::sincronitza_observador();
    model().omple_atribut(a, n, x, y);
    repinta_tira(n, x, y);
  }
  void desplaca(Rectangle font, int x, int y, const Rectangle *retall, Cella farciment) override {
    intern::sincronitza_observador();
    model().desplaca(font, x, y, retall, farciment);
    if (font.esquerra > font.dreta || font.dalt > font.baix) return;
    repinta(font);
    repinta({x, y, x + font.dreta - font.esquerra, y + font.baix - font.dalt});
    torna();
  }
  bool llegeix_celles(Rectangle r, Cella *desti) override {
    intern::sincronitza_observador();
    return model().llegeix(r, desti);
  }
  bool escriu_celles(Rectangle r, const Cella *font) override {
    intern::sincronitza_observador();
    bool fet = model().escriu(r, font);
    repinta(r);
    torna();
    return fet;
  }
  void posa_atribut(std::uint16_t a) override {
    intern::sincronitza_observador();
    model().atribut = a;
    envia_atribut(a);
  }
  std::uint16_t atribut() override {
    intern::sincronitza_observador();
    return model().atribut;
  }
  void posa_cursor_visible(int mida, bool visible) override {
    static constexpr auto bloc = seq::uneix(seq::mostra_cursor, seq::cursor_bloc);
    static constexpr auto ratlla = seq::uneix(seq::mostra_cursor, seq::cursor_ratlla);
    if (!visible)
      intern::posa_aparenca_cursor(seq::amaga_cursor);
    else if (mida >= 100)
      intern::posa_aparenca_cursor(bloc.data());
    else
      intern::posa_aparenca_cursor(ratlla.data());
  }
  int esdeveniments_pendents() override { return intern::tecla_pendent() ? 1 : 0; }
  int mira_esdeveniments(Esdeveniment *desti, int n) override {
    if (n < 1 || !intern::tecla_pendent()) return 0;
    desti[0] = Esdeveniment {1, true, 0};
    return 1;
  }
  bool afegeix_esdeveniments(const Esdeveniment *font, int n) override {
    for (int i = 0; i < n; i++)
      if (font[i].tipus == 1 && font[i].baixada && !intern::retorna_tecla(font[i].caracter)) return false;
    return true;
  }

  // The whole console area drawn again from the model.
  // The terminal's colours are not known after a suspend or a resize.
  void repinta_tot() {
    intern::sincronitza_observador();
    enviat_ = -1;
    repinta({0, 0, columnes_consola - 1, files_consola - 1});
    torna();
  }

 private:
  static Model &model() { return intern::pantalla(); }
  bool terminal() const { return intern::sequencies_actives(); }

  void envia_atribut(std::uint16_t a) {
    if (!terminal()) return;
    int b = a & 0xFF;
    if (b == enviat_) return;
    enviat_ = b;
    intern::escriu_propi(sgr(b).c_str());
  }

  std::string sgr(int a) {
    if (!colors_) return "";
    if (a == 0x07) return seq::colors_habituals;
    intern::aparenca_canviada = 1;
    int f = a & 15, b = (a >> 4) & 15;
    int cf = f < 8 ? 30 + ansi(f) : 90 + ansi(f & 7);
    int cb = b < 8 ? 40 + ansi(b) : 100 + ansi(b & 7);
    char text[32];
    std::snprintf(text, sizeof text, seq::colors, cf, cb);
    return text;
  }

  void envia_cursor() {
    char text[32];
    std::snprintf(text, sizeof text, seq::posicio, model().cursor_y + 1, model().cursor_x + 1);
    intern::escriu_propi(text);
  }

  // The cells of r that lie on the console and on the terminal.
  void repinta(Rectangle r) {
    if (!terminal()) return;
    std::string text;
    int actual = enviat_;
    for (int y = std::max(r.dalt, 0); y <= r.baix; y++) {
      bool posat = false;
      for (int x = std::max(r.esquerra, 0); x <= r.dreta; x++) {
        if (!model().dins(x, y)) {
          posat = false;
          continue;
        }
        if (!posat) {
          char posicio[32];
          std::snprintf(posicio, sizeof posicio, seq::posicio, y + 1, x + 1);
          text += posicio;
          posat = true;
        }
        const Cella &c = model().cella(x, y);
        int a = c.atribut & 0xFF;
        if (a != actual) {
          text += sgr(a);
          actual = a;
        }
        text.push_back(es_control(c.caracter) ? '?' : static_cast<char>(c.caracter));
      }
    }
    enviat_ = actual;
    intern::escriu_propi(text.data(), text.size());
  }

  void repinta_tira(int n, int x, int y) {
    if (!terminal() || n <= 0) return;
    int inici = y * columnes_consola + x, fi = inici + n - 1;
    inici = std::max(inici, 0);
    fi = std::min(fi, columnes_consola * files_consola - 1);
    for (int fila = inici / columnes_consola; fila <= fi / columnes_consola; fila++) {
      int a = fila == inici / columnes_consola ? inici % columnes_consola : 0;
      int b = fila == fi / columnes_consola ? fi % columnes_consola : columnes_consola - 1;
      repinta({a, fila, b, fila});
    }
    torna();
  }

  // The current colours and the cursor back after a repaint; a cursor that
  // stood past the last column is put there again by printing that cell.
  void torna() {
    if (!terminal()) return;
    if (model().ajornat) {
      int x = model().cursor_x, y = model().cursor_y;
      const Cella &c = model().cella(x, y);
      char text[32];
      std::snprintf(text, sizeof text, seq::posicio, y + 1, x + 1);
      std::string s = text;
      if ((c.atribut & 0xFF) != enviat_) {
        s += sgr(c.atribut & 0xFF);
        enviat_ = c.atribut & 0xFF;
      }
      s.push_back(es_control(c.caracter) ? '?' : static_cast<char>(c.caracter));
      intern::escriu_propi(s.data(), s.size());
    } else {
      envia_cursor();
    }
    envia_atribut(model().atribut);
  }

  int enviat_ = 0x07;  // the attribute the terminal draws with now (-1 unknown)
  bool colors_ = true;
};

// Never destroyed: the program's last output, flushed after the static
// objects are gone, may still reach the console.
ConsolaTerminal &dispositiu() {
  static auto *consola = new ConsolaTerminal;
  return *consola;
}

void repinta_en_reprendre() { dispositiu().repinta_tot(); }

// The model sees the program's output from its very first byte, through a
// pipe too.
struct Registre {
  Registre() {
    intern::model_demanat = true;
    plataforma::en_reprendre(repinta_en_reprendre);
  }
} registre;

}  // namespace

Consola &consola_terminal() { return dispositiu(); }

}  // namespace conio
