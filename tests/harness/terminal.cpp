// Pseudo-terminal runner with a libvterm screen.
#include "terminal.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vterm.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>

#include "programa.h"

namespace prova {

namespace {

int en_propietat(VTermProp prop, VTermValue *valor, void *terminal) {
  static_cast<Terminal *>(terminal)->propietat(prop, valor);
  return 1;
}

const VTermScreenCallbacks avisos = {nullptr, nullptr, nullptr, en_propietat, nullptr, nullptr, nullptr, nullptr};

}  // namespace

void Terminal::propietat(int prop, const void *valor) {
  const auto *v = static_cast<const VTermValue *>(valor);
  if (prop == VTERM_PROP_CURSORVISIBLE)
    cursor_visible_ = v->boolean;
  else if (prop == VTERM_PROP_CURSORSHAPE)
    forma_cursor_ = v->number;
  else if (prop == VTERM_PROP_CURSORBLINK)
    cursor_parpelleja_ = v->boolean;
}

Terminal::Cella Terminal::cella(int f, int c) const {
  VTermScreenCell cella;
  vterm_screen_get_cell(pantalla_, VTermPos {f, c}, &cella);
  auto index = [](const VTermColor &color, bool defecte) { return defecte ? -1 : color.indexed.idx; };
  return {cella.chars[0], index(cella.fg, VTERM_COLOR_IS_DEFAULT_FG(&cella.fg) || !VTERM_COLOR_IS_INDEXED(&cella.fg)),
          index(cella.bg, VTERM_COLOR_IS_DEFAULT_BG(&cella.bg) || !VTERM_COLOR_IS_INDEXED(&cella.bg))};
}

Terminal::Terminal(const std::string &programa, const std::string &carpeta, const std::vector<std::string> &arguments,
                   Mida mida_demanada, const std::string &locale)
    : files_(mida_demanada.files), columnes_(mida_demanada.columnes) {
  winsize mida {};
  mida.ws_row = static_cast<unsigned short>(files_);
  mida.ws_col = static_cast<unsigned short>(columnes_);
  if (openpty(&mestre_, &esclau_, nullptr, nullptr, &mida) != 0) throw std::runtime_error("openpty failed");
  tcgetattr(esclau_, &mode_inicial_);
  vt_ = vterm_new(files_, columnes_);
  vterm_set_utf8(vt_, 1);
  pantalla_ = vterm_obtain_screen(vt_);
  vterm_screen_set_callbacks(pantalla_, &avisos, this);
  vterm_screen_reset(pantalla_, 1);

  std::string cami = cami_programa(programa);
  std::vector<std::string> args {cami};
  args.insert(args.end(), arguments.begin(), arguments.end());
  fill_ = fork();
  if (fill_ == 0) {
    setsid();
    ioctl(esclau_, TIOCSCTTY, 0);
    dup2(esclau_, STDIN_FILENO);
    dup2(esclau_, STDOUT_FILENO);
    dup2(esclau_, STDERR_FILENO);
    close(mestre_);
    if (esclau_ > STDERR_FILENO) close(esclau_);
    if (chdir(carpeta.c_str()) != 0) _exit(126);
    setenv("TERM", "xterm", 1);
    setenv("LC_ALL", locale.c_str(), 1);
    std::vector<char *> argv;
    for (auto &a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(cami.c_str(), argv.data());
    _exit(127);
  }
  fcntl(mestre_, F_SETFL, fcntl(mestre_, F_GETFL) | O_NONBLOCK);
}

Terminal::~Terminal() {
  if (!acabat_ && fill_ > 0) {
    kill(fill_, SIGKILL);
    waitpid(fill_, nullptr, 0);
  }
  if (vt_) vterm_free(vt_);
  if (mestre_ >= 0) close(mestre_);
  close(esclau_);
}

void Terminal::redimensiona(Mida mida) {
  llegeix(0);
  files_ = mida.files;
  columnes_ = mida.columnes;
  vterm_set_size(vt_, files_, columnes_);
  winsize w {};
  w.ws_row = static_cast<unsigned short>(files_);
  w.ws_col = static_cast<unsigned short>(columnes_);
  ioctl(mestre_, TIOCSWINSZ, &w);
}

void Terminal::escriu(const std::string &bytes) {
  if (mestre_ < 0) return;
  std::size_t fet = 0;
  while (fet < bytes.size()) {
    ssize_t n = write(mestre_, bytes.data() + fet, bytes.size() - fet);
    if (n > 0) {
      fet += static_cast<std::size_t>(n);
    } else if (errno == EAGAIN || errno == EINTR) {
      llegeix(1);
    } else {
      return;
    }
  }
}

// Takes what the program wrote within ms milliseconds into the screen.
void Terminal::llegeix(int ms) {
  if (mestre_ < 0) {
    poll(nullptr, 0, ms);  // hung up: nothing more comes, the wait still passes
    return;
  }
  pollfd p {mestre_, POLLIN, 0};
  if (poll(&p, 1, ms) <= 0) return;
  char bloc[4096];
  ssize_t n;
  while ((n = read(mestre_, bloc, sizeof bloc)) > 0) {
    bytes_.append(bloc, static_cast<std::size_t>(n));
    vterm_input_write(vt_, bloc, static_cast<std::size_t>(n));
  }
}

void Terminal::senyal(int senyal) { kill(fill_, senyal); }

void Terminal::penja() {
  llegeix(0);
  close(mestre_);
  mestre_ = -1;
}

bool Terminal::espera(const std::function<bool()> &condicio, int ms) {
  auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (true) {
    llegeix(0);
    if (condicio()) return true;
    auto resta = std::chrono::duration_cast<std::chrono::milliseconds>(limit - std::chrono::steady_clock::now());
    if (resta.count() <= 0) return false;
    llegeix(static_cast<int>(resta.count() < 20 ? resta.count() : 20));
  }
}

bool Terminal::espera_text(const std::string &text, int ms) {
  return espera([&] { return pantalla().find(text) != std::string::npos; }, ms);
}

bool Terminal::passos(const std::vector<PasTerminal> &llista, int ms) {
  for (std::size_t i = 0; i < llista.size(); i++) {
    const PasTerminal &pas = llista[i];
    if (!pas.espera.empty() && !espera_text(pas.espera, ms)) {
      ADD_FAILURE() << "step " << i + 1 << " of " << llista.size() << ": \"" << pas.espera
                    << "\" did not show (then typing \"" << visible(pas.escriu) << "\"); the screen:\n"
                    << pantalla();
      return false;
    }
    escriu(pas.escriu);
  }
  return true;
}

int Terminal::espera_final(int ms) {
  auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!acabat_) {
    llegeix(0);
    int estat = 0;
    pid_t r = waitpid(fill_, &estat, WNOHANG);
    if (r == fill_) {
      acabat_ = true;
      estat_ = WIFEXITED(estat) ? WEXITSTATUS(estat) : 128 + WTERMSIG(estat);
      llegeix(0);
      break;
    }
    if (std::chrono::steady_clock::now() >= limit) return -1;
    llegeix(10);
  }
  return estat_;
}

bool Terminal::espera_aturada(int ms) {
  auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!acabat_) {
    llegeix(0);
    int estat = 0;
    pid_t r = waitpid(fill_, &estat, WNOHANG | WUNTRACED);
    if (r == fill_ && WIFSTOPPED(estat)) return true;
    if (r == fill_) {
      acabat_ = true;
      estat_ = WIFEXITED(estat) ? WEXITSTATUS(estat) : 128 + WTERMSIG(estat);
      return false;
    }
    if (std::chrono::steady_clock::now() >= limit) return false;
    llegeix(10);
  }
  return false;
}

// Switching the slave side out of line mode makes every waiting byte
// readable, a line finished or not.
std::string Terminal::teclejat_pendent() {
  termios previ {};
  tcgetattr(esclau_, &previ);
  termios cru = previ;
  cru.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  cru.c_cc[VMIN] = 0;
  cru.c_cc[VTIME] = 0;
  tcsetattr(esclau_, TCSANOW, &cru);
  std::string r;
  char bloc[256];
  ssize_t n;
  while ((n = read(esclau_, bloc, sizeof bloc)) > 0) r.append(bloc, static_cast<std::size_t>(n));
  tcsetattr(esclau_, TCSANOW, &previ);
  return r;
}

std::string Terminal::fila(int f) const {
  std::string r;
  for (int c = 0; c < columnes_; c++) {
    VTermScreenCell cella;
    VTermPos pos {f, c};
    vterm_screen_get_cell(pantalla_, pos, &cella);
    uint32_t ch = cella.chars[0];
    if (ch == 0) ch = ' ';
    if (ch < 0x80) {
      r.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
      r.push_back(static_cast<char>(0xC0 | (ch >> 6)));
      r.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
      r.push_back(static_cast<char>(0xE0 | (ch >> 12)));
      r.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
      r.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
  }
  while (!r.empty() && r.back() == ' ') r.pop_back();
  return r;
}

std::string Terminal::pantalla() const {
  std::string r;
  for (int f = 0; f < files_; f++) r += fila(f) + "\n";
  return r;
}

int Terminal::fila_cursor() const {
  VTermPos pos;
  vterm_state_get_cursorpos(vterm_obtain_state(vt_), &pos);
  return pos.row;
}

int Terminal::columna_cursor() const {
  VTermPos pos;
  vterm_state_get_cursorpos(vterm_obtain_state(vt_), &pos);
  return pos.col;
}

termios Terminal::mode() const {
  termios t {};
  tcgetattr(esclau_, &t);
  return t;
}

bool mateix_mode(const termios &a, const termios &b) {
  constexpr tcflag_t locals = ICANON | ECHO | ECHOE | ISIG | IEXTEN;
  constexpr tcflag_t entrada = ICRNL | IXON | INLCR | IGNCR;
  return (a.c_lflag & locals) == (b.c_lflag & locals) && (a.c_iflag & entrada) == (b.c_iflag & entrada) &&
         a.c_cc[VMIN] == b.c_cc[VMIN] && a.c_cc[VTIME] == b.c_cc[VTIME];
}

}  // namespace prova
