// Terminal mode and signals: raw mode for key reads, and the mode the
// terminal had at start put back at exit and on every terminating signal.
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "intern.h"
#include "plataforma.h"

namespace plataforma::intern {

// Line reads use the terminal's own line mode; key reads and pauses switch
// to raw mode (no echo, no line editing) and stay there until the next line
// read or the end of the program, which restore the mode the terminal had
// when the program started.

namespace {
termios mode_original;
}
volatile sig_atomic_t mode_desat = 0;
volatile sig_atomic_t mode_cru = 0;
volatile sig_atomic_t aparenca_canviada = 0;
void (*redibuixa_en_reprendre)() = nullptr;

void restaura_aparenca() {
  if (!aparenca_canviada) return;
  aparenca_canviada = 0;
  ssize_t escrit = write(STDOUT_FILENO, aparenca_original, sizeof aparenca_original - 1);
  (void)escrit;  // nothing more can be done for a terminal that takes nothing
}

void restaura_terminal() {
  if (mode_cru) {
    tcsetattr(STDIN_FILENO, TCSANOW, &mode_original);
    mode_cru = 0;
  }
}

void entra_mode_cru() {
  if (mode_cru || !mode_desat) return;
  termios cru = mode_original;
  cru.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
  cru.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR | IGNCR);
  cru.c_cc[VMIN] = 1;
  cru.c_cc[VTIME] = 0;
  if (tcsetattr(STDIN_FILENO, TCSANOW, &cru) == 0) mode_cru = 1;
}

void mida_terminal(int &files, int &columnes) {
  static int f = -1, c = -1;
  if (f < 0) {
    winsize w{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &w) != 0 && ioctl(STDIN_FILENO, TIOCGWINSZ, &w) != 0) w = winsize{};
    f = w.ws_row;
    c = w.ws_col;
  }
  files = f;
  columnes = c;
}

bool entrada_es_terminal() { return mode_desat && isatty(STDIN_FILENO); }

namespace {

// Fatal and terminating signals put the terminal back first, then take
// their previous course (the default action, or a sanitizer's handler).
constexpr int senyals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
struct sigaction accions_previes[sizeof senyals / sizeof senyals[0]];

}  // namespace

void restaura_tot_senyal() {
  restaura_aparenca();
  if (mode_desat) tcsetattr(STDIN_FILENO, TCSANOW, &mode_original);
  mode_cru = 0;
}

namespace {

void en_senyal(int senyal, siginfo_t *info, void *) {
  restaura_tot_senyal();
  for (std::size_t i = 0; i < sizeof senyals / sizeof senyals[0]; i++) {
    if (senyals[i] != senyal) continue;
    sigaction(senyal, &accions_previes[i], nullptr);
    bool error_maquina = senyal == SIGSEGV || senyal == SIGBUS || senyal == SIGFPE || senyal == SIGILL;
    // A faulting instruction faults again on return, now under the previous
    // action; a signal that was sent is sent again.
    if (!error_maquina || info->si_code <= 0) raise(senyal);
    return;
  }
}

}  // namespace

void prepara_terminal() {
  if (isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &mode_original) == 0) mode_desat = 1;
  if (!mode_desat && !isatty(STDOUT_FILENO)) return;
  for (std::size_t i = 0; i < sizeof senyals / sizeof senyals[0]; i++) {
    struct sigaction accio {};
    accio.sa_sigaction = en_senyal;
    accio.sa_flags = SA_SIGINFO;
    sigemptyset(&accio.sa_mask);
    sigaction(senyals[i], &accio, &accions_previes[i]);
  }
}

}  // namespace plataforma::intern

void plataforma::en_reprendre(void (*redibuixa)()) { intern::redibuixa_en_reprendre = redibuixa; }
