// The console of the text console library on this program's terminal (or,
// when standard output is not one, on its model alone).
#ifndef CONSOLA_TERMINAL_H
#define CONSOLA_TERMINAL_H

#include "consola.h"

namespace conio {
Consola &consola_terminal();
}

#endif
