// Runs a program on an 80 x 25 pseudo-terminal and keeps what a person would
// see on it, rendered by libvterm.
#ifndef ARNES_TERMINAL_H
#define ARNES_TERMINAL_H

#include <sys/types.h>
#include <termios.h>

#include <functional>
#include <string>
#include <vector>

struct VTerm;
struct VTermScreen;

namespace prova {

// Rows and columns of a pseudo-terminal.
struct MidaTerminal {
  int files = 25, columnes = 80;
};

// One step of a session on the terminal: wait until a text shows on the
// screen (nothing to wait for when empty), then type some bytes.
struct PasTerminal {
  std::string espera;
  std::string escriu = {};
};

class Terminal {
 public:
  static constexpr int files = 25, columnes = 80;  // the default size

  using Mida = MidaTerminal;
  // The program runs with LC_ALL set to locale: "C" unless a test asks for
  // another, so that what it shows does not depend on the tester's locale.
  Terminal(const std::string &programa, const std::string &carpeta, const std::vector<std::string> &arguments = {},
           Mida mida = Mida {}, const std::string &locale = "C");
  ~Terminal();
  Terminal(const Terminal &) = delete;
  Terminal &operator=(const Terminal &) = delete;

  // Types bytes as the keyboard would send them.
  void escriu(const std::string &bytes);
  // Waits (up to the limit) until the condition holds on the screen;
  // returns whether it did.
  bool espera(const std::function<bool()> &condicio, int ms = 10000);
  bool espera_text(const std::string &text, int ms = 10000);
  // Goes through the steps in order. A text that does not show in time is a
  // test failure that names its step and shows the screen; the steps after
  // it are not taken. Returns whether every step was.
  //   ASSERT_TRUE(t.passos({{"Opcio:", "1\r"}, {"Fica el NOM", "Anna\r"}}));
  bool passos(const std::vector<PasTerminal> &passos, int ms = 10000);
  // Closes the terminal under the program, as a closed window or a dropped
  // line does; nothing can be typed or seen after it.
  void penja();
  // Gives the terminal a new size, as a resized window does (the program
  // gets SIGWINCH); the screen keeps what fits.
  void redimensiona(Mida mida);
  // Sends a signal to the program.
  void senyal(int senyal);
  // Waits for the program to end; its exit status, or -1 on time-out.
  int espera_final(int ms = 10000);
  // Waits for the program to stop (job control); whether it did.
  bool espera_aturada(int ms = 10000);
  // What was typed and is still waiting to be read on the terminal.
  std::string teclejat_pendent();

  std::string fila(int fila) const;  // one row, trailing blanks removed
  std::string pantalla() const;      // all rows, one per line
  int fila_cursor() const;
  int columna_cursor() const;
  // The terminal's mode as the program leaves it (seen from the slave side).
  termios mode() const;
  int files_pantalla() const { return files_; }
  int columnes_pantalla() const { return columnes_; }

  // One cell (0-based): its character (0 for an empty cell) and its
  // colours as palette indexes, -1 for the terminal's default colour.
  struct Cella {
    unsigned caracter;
    int primer_pla, fons;
  };
  Cella cella(int fila, int columna) const;
  bool cursor_visible() const { return cursor_visible_; }
  int forma_cursor() const { return forma_cursor_; }  // 1 block, 2 underline, 3 bar
  bool cursor_parpelleja() const { return cursor_parpelleja_; }
  // Every byte the program wrote to the terminal.
  const std::string &bytes() const { return bytes_; }
  const termios &mode_inicial() const { return mode_inicial_; }
  bool acabat() const { return acabat_; }

 private:
  void llegeix(int ms);

  int mestre_ = -1, esclau_ = -1;
  pid_t fill_ = -1;
  bool acabat_ = false;
  int estat_ = -1;
  termios mode_inicial_ {};
  VTerm *vt_ = nullptr;
  VTermScreen *pantalla_ = nullptr;
  int files_ = files, columnes_ = columnes;
  bool cursor_visible_ = true, cursor_parpelleja_ = true;
  int forma_cursor_ = 1;
  std::string bytes_;

 public:
  void propietat(int prop, const void *valor);
};

// The two modes agree on what a program may change: line mode, echo,
// signals and input translation.
bool mateix_mode(const termios &a, const termios &b);

}  // namespace prova

#endif
