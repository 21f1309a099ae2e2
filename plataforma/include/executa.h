// Running another program on this console, as the command interpreter
// would: for the launcher of the portfolio.
#ifndef EXECUTA_H
#define EXECUTA_H

namespace plataforma {

// Runs the program at cami (argv: its name, its arguments, then null) in the
// folder carpeta, on this console: the output is flushed first and the
// terminal is in line mode while it runs, and the interrupt and quit keys
// stop only that program. Returns its exit status, 128 + the signal that
// ended it, or -1 when it could not be started (errno says why).
int executa(const char *cami, char *const argv[], const char *carpeta);

}  // namespace plataforma

#endif
