// What the files of the platform layer share among themselves; the programs
// see only plataforma.h.
#ifndef PLATAFORMA_INTERN_H
#define PLATAFORMA_INTERN_H

#include <signal.h>
#include <sys/types.h>

#include <cstddef>

namespace plataforma::intern {

// Terminal mode and signals (terminal.cpp).
extern volatile sig_atomic_t mode_desat;  // the terminal's mode at start is known
extern volatile sig_atomic_t mode_cru;    // the terminal is in raw mode now
void restaura_terminal();
void entra_mode_cru();
bool entrada_es_terminal();
// Saves the terminal's mode and has every terminating signal restore it.
void prepara_terminal();
// Set (to 1) by whatever changes the terminal's appearance (colours, cursor
// visibility or shape): the end of the program, every terminating signal
// and a suspend then write aparenca_original, in one write, and clear it.
extern volatile sig_atomic_t aparenca_canviada;
inline constexpr char aparenca_original[] = "\x1b[0m\x1b[?25h\x1b[0 q";
void restaura_aparenca();
// What plataforma::en_reprendre registered, or null.
extern void (*redibuixa_en_reprendre)();
// Puts back the mode and appearance; safe inside a signal handler.
void restaura_tot_senyal();

// Console output (sortida.cpp).
bool escriu_tot(int fd, const char *dades, std::size_t mida);
ssize_t escriu_consola(void *, const char *dades, std::size_t mida);
void buida_sortida();

// Console input (entrada.cpp).
ssize_t llegeix_consola(void *, char *desti, std::size_t mida);
int llegeix_byte();
// Waits for one key, as the pause command does.
void espera_tecla();

// The console's only case rule: A to Z onto a to z (cadenes.cpp).
char baixa(char c);

}  // namespace plataforma::intern

#endif
