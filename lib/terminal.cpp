// Terminal mode and signals: raw mode for key reads, and the mode the
// terminal had at start put back at exit and on every terminating signal.
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

bool entrada_es_terminal() { return mode_desat && isatty(STDIN_FILENO); }

namespace {

// Fatal and terminating signals put the terminal back first, then take
// their previous course (the default action, or a sanitizer's handler).
constexpr int senyals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
struct sigaction accions_previes[sizeof senyals / sizeof senyals[0]];

void en_senyal(int senyal, siginfo_t *info, void *) {
  if (mode_desat) tcsetattr(STDIN_FILENO, TCSANOW, &mode_original);
  mode_cru = 0;
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
  if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &mode_original) != 0) return;
  mode_desat = 1;
  for (std::size_t i = 0; i < sizeof senyals / sizeof senyals[0]; i++) {
    struct sigaction accio {};
    accio.sa_sigaction = en_senyal;
    accio.sa_flags = SA_SIGINFO;
    sigemptyset(&accio.sa_mask);
    sigaction(senyals[i], &accio, &accions_previes[i]);
  }
}

}  // namespace plataforma::intern
