// The console operations under the text console library, and the two
// consoles that offer them: a memory console (for tests) and the terminal.
// Both keep the screen in the same model, which reads bytes as a terminal
// does.
#ifndef CONSOLA_H
#define CONSOLA_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace conio {

// The console's screen is 80 x 25 cells; coordinates are 0-based.
constexpr int columnes_consola = 80, files_consola = 25;

struct Cella {
  unsigned char caracter = ' ';
  std::uint16_t atribut = 0x07;
  bool operator==(const Cella &) const = default;
};

// A rectangle of cells, corners included.
struct Rectangle {
  int esquerra, dalt, dreta, baix;
};

// An input event: type 1 is a key; caracter 0 for keys without a character.
struct Esdeveniment {
  int tipus = 1;
  bool baixada = true;
  unsigned char caracter = 0;
};

// What the library asks of the console (each one a console primitive).
class Consola {
 public:
  virtual ~Consola() = default;
  virtual unsigned mode_entrada() = 0;
  virtual void posa_mode_entrada(unsigned mode) = 0;
  // One character; false at the end of input (nothing to read, ever).
  virtual bool llegeix_caracter(unsigned char &caracter) = 0;
  virtual void escriu(const char *dades, std::size_t mida) = 0;
  virtual void posa_cursor(int x, int y) = 0;
  virtual void omple_caracter(unsigned char caracter, int n, int x, int y) = 0;
  virtual void omple_atribut(std::uint16_t atribut, int n, int x, int y) = 0;
  // Moves the cells of font so that its top-left lands on (x, y), only
  // inside retall when given; the cells of font not covered become farciment.
  virtual void desplaca(Rectangle font, int x, int y, const Rectangle *retall, Cella farciment) = 0;
  virtual bool llegeix_celles(Rectangle r, Cella *desti) = 0;
  virtual bool escriu_celles(Rectangle r, const Cella *font) = 0;
  virtual void posa_atribut(std::uint16_t atribut) = 0;
  virtual std::uint16_t atribut() = 0;
  virtual void posa_cursor_visible(int mida, bool visible) = 0;
  virtual int esdeveniments_pendents() = 0;
  // Copies up to n pending events without removing them; how many.
  virtual int mira_esdeveniments(Esdeveniment *desti, int n) = 0;
  virtual bool afegeix_esdeveniments(const Esdeveniment *font, int n) = 0;
};

// The screen as a terminal shows it: a printable byte fills the cell at the
// cursor and advances, the wrap after the last column deferred to the next
// printable byte; LF goes to column 1 of the next row, scrolling at the
// last; CR to column 1; BS one left, stopping at column 1, and a deferred
// wrap dropped; TAB to the next multiple of 8 (at most the last column),
// nothing while a wrap is deferred; BEL nothing. Any other byte is stored
// as a character. The platform keeps one such model of the terminal, fed
// with the program's text, for the frames and the console over it.
// The size is the terminal's; only the console's 80 x 25 area is addressed
// by the console operations, and none of them touches a cell outside it.
class Model {
 public:
  explicit Model(int columnes = columnes_consola, int files = files_consola);
  void reinicia();  // blank screen in 0x07, cursor home
  void text(const char *dades, std::size_t mida);
  // A new size, the cells that fit kept and the cursor brought inside.
  void redimensiona(int columnes, int files);
  // Blanks from the cursor to the row's end, or to the screen's end.
  void esborra_resta(bool nomes_fila);

  int columnes() const { return columnes_; }
  int files() const { return files_; }
  // On the console's area (and on the terminal).
  bool dins(int x, int y) const {
    return x >= 0 && y >= 0 && x < columnes_consola && y < files_consola && x < columnes_ && y < files_;
  }
  Cella &cella(int x, int y) {
    return celles_[static_cast<std::size_t>(y) * static_cast<std::size_t>(columnes_) + static_cast<std::size_t>(x)];
  }

  void posa_cursor(int x, int y);
  void omple_caracter(unsigned char caracter, int n, int x, int y);
  void omple_atribut(std::uint16_t atribut, int n, int x, int y);
  void desplaca(Rectangle font, int x, int y, const Rectangle *retall, Cella farciment);
  bool llegeix(Rectangle r, Cella *desti);
  bool escriu(Rectangle r, const Cella *font);

  int cursor_x = 0, cursor_y = 0;
  bool ajornat = false;  // at the last column, the wrap deferred
  // One past the rightmost cell printed on the cursor's row since the
  // cursor came to that row (0: none).
  int marca = 0;
  std::uint16_t atribut = 0x07;

 private:
  void salt_linia();
  void imprimeix(const unsigned char *dades, std::size_t mida);
  int columnes_, files_;
  std::vector<Cella> celles_;
};

// The memory console: a model, the cursor's shape and an input queue.
class ConsolaMemoria : public Consola {
 public:
  static constexpr std::size_t maxim_esdeveniments = 4096;

  unsigned mode_entrada() override { return mode; }
  void posa_mode_entrada(unsigned m) override { mode = m; }
  bool llegeix_caracter(unsigned char &caracter) override;
  void escriu(const char *dades, std::size_t mida) override { pantalla.text(dades, mida); }
  void posa_cursor(int x, int y) override { pantalla.posa_cursor(x, y); }
  void omple_caracter(unsigned char c, int n, int x, int y) override { pantalla.omple_caracter(c, n, x, y); }
  void omple_atribut(std::uint16_t a, int n, int x, int y) override { pantalla.omple_atribut(a, n, x, y); }
  void desplaca(Rectangle font, int x, int y, const Rectangle *retall, Cella farciment) override {
    pantalla.desplaca(font, x, y, retall, farciment);
  }
  bool llegeix_celles(Rectangle r, Cella *desti) override { return pantalla.llegeix(r, desti); }
  bool escriu_celles(Rectangle r, const Cella *font) override { return pantalla.escriu(r, font); }
  void posa_atribut(std::uint16_t a) override { pantalla.atribut = a; }
  std::uint16_t atribut() override { return pantalla.atribut; }
  void posa_cursor_visible(int mida, bool visible) override {
    mida_cursor = mida;
    cursor_visible = visible;
  }
  int esdeveniments_pendents() override { return static_cast<int>(entrada.size()); }
  int mira_esdeveniments(Esdeveniment *desti, int n) override;
  bool afegeix_esdeveniments(const Esdeveniment *font, int n) override;

  // A key typed: its key-down and key-up events.
  void tecla(unsigned char caracter);

  Model pantalla;
  unsigned mode = 7;
  int mida_cursor = 25;
  bool cursor_visible = true;
  std::deque<Esdeveniment> entrada;
};

// The console on this program's terminal (or, when standard output is not
// one, on its model alone).
Consola &consola_terminal();

}  // namespace conio

#endif
