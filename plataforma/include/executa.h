// Running another program on this console, as a shell runs a job: for the
// launcher of the portfolio.
#ifndef EXECUTA_H
#define EXECUTA_H

namespace plataforma {

// How a program run through executa ended.
struct Final {
  int estat = -1;               // its exit status (0 to 255) when it exited, or -1
  int senyal = 0;               // the signal that ended it, or 0
  bool acaba_en_pausa = false;  // its last act was a pause of its own that took a key
  // Its exit status as a shell gives it: estat, or 128 + senyal.
  int com_a_estat() const { return senyal != 0 ? 128 + senyal : estat; }
};

// Runs the program at cami (argv: its name, its arguments, then null) in the
// folder carpeta, on this console: the output is flushed first and the
// terminal is in line mode while it runs, and the interrupt and quit keys
// stop only that program. False when it could not be started (errno says
// why); otherwise final says how it ended.
bool executa(const char *cami, char *const argv[], const char *carpeta, Final &final);

}  // namespace plataforma

#endif
