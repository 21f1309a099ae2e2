// What the files of the platform layer share among themselves; the programs
// see only plataforma.h.
#ifndef PLATAFORMA_INTERN_H
#define PLATAFORMA_INTERN_H

#include <signal.h>
#include <sys/types.h>
#include <termios.h>

#include <cstddef>
#include <string>

#include "sequencies.h"

namespace conio {
class Model;
}

namespace plataforma::intern {

// Terminal mode and signals (terminal.cpp).
extern volatile sig_atomic_t mode_desat;  // the terminal's mode at start is known
extern volatile sig_atomic_t mode_cru;    // the terminal is in raw mode now
// Puts back the mode of the start; at the end of the program (descarta_teclejat)
// what was typed and not read is dropped with it.
void restaura_terminal(bool descarta_teclejat = false);
void entra_mode_cru();
bool entrada_es_terminal();
// Saves the terminal's mode and has every terminating signal restore it.
void prepara_terminal();
// Set (to 1) by whatever changes the terminal's appearance (colours, cursor
// visibility or shape): the end of the program, every terminating signal
// and a suspend then write aparenca_original, in one write, and clear it.
extern volatile sig_atomic_t aparenca_canviada;
inline constexpr auto aparenca_original = seq::uneix(seq::colors_habituals, seq::mostra_cursor, seq::cursor_habitual);
void restaura_aparenca();
// The cursor's look (hidden, or shown in a shape): sent, and sent again
// after a suspend or a resize, until another one.
void posa_aparenca_cursor(const char *sequencia);
extern const char *aparenca_cursor;
// The alternate screen is in use: the end of the program, every terminating
// signal and a suspend leave it (one write, with the appearance).
extern volatile sig_atomic_t pantalla_alternativa_activa;
// What plataforma::en_reprendre registered, or null.
extern void (*redibuixa_en_reprendre)();
// Puts back the mode and appearance; safe inside a signal handler. The
// mode only while this program has the terminal (see posa_mode_en_primer_pla).
void restaura_tot_senyal();
// Whether this process group has the terminal.
bool en_primer_pla();
// Sets the terminal's mode when this process group has the terminal, and
// says whether it did; never stops the program on SIGTTOU. Safe inside a
// signal handler.
bool posa_mode_en_primer_pla(const termios &mode);
// Runs the redraw that en_reprendre registered once the program has been
// resumed after a suspend; every wait for input or time calls it, in the
// program's own flow.
void aten_represa();

// "cls" (interpret.cpp): the screen blanked and the cursor home on a
// terminal, a form feed elsewhere.
void esborra_pantalla();

// A program run by the launcher learns through this variable the number of
// a descriptor on which, when it ends just after a pause of its own that
// took a key, it writes one byte, so that the launcher adds no pause of its
// own. The layer takes the variable out of the environment at start.
inline constexpr char variable_avis_pausa[] = "PORTAFOLI_AVIS_PAUSA";

// Console output (sortida.cpp).
bool escriu_tot(int fd, const char *dades, std::size_t mida);
bool sortida_es_terminal();
// TERM unset, empty or "dumb": a terminal that takes no escape sequences.
bool terminal_sense_sequencies();
// Standard output is a terminal that takes escape sequences: only then does
// the layer send any (escriu_propi drops them otherwise).
bool sequencies_actives();
// The layer's own bytes for the terminal (escape sequences, repaints), in
// the order of the program's output: they pass unchanged and unobserved.
// inici_quadre marks the start of a frame of nou_quadre, whose end (at the
// next buida_sortida) erases the rest of the screen.
enum class Especial : unsigned char { cap, inici_quadre };
void escriu_propi(const char *dades, std::size_t mida, Especial especial = Especial::cap);
inline void escriu_propi(const char *text) { escriu_propi(text, __builtin_strlen(text)); }
// The terminal's screen as the program's text has left it (one model, fed
// from the output on a terminal, or when model_demanat is set, through a
// pipe too). The layer's own sequences move it by hand.
conio::Model &pantalla();
extern bool model_demanat;
// Brings the model up to date with the text still in stdout's buffer.
void sincronitza_observador();
ssize_t escriu_consola(void *, const char *dades, std::size_t mida);
// Writes what is waiting, in one write (a frame still open is closed in it).
void buida_sortida();
// On a terminal, a line feed when the cursor is not at the start of a row
// (the end of the program: the shell's prompt starts on a row of its own).
void acaba_fila();
// A form feed for the device as it is (not shown as "?" on a terminal).
void salt_pagina();
// The first write error (errno), 0 when every write went through.
extern int error_sortida;
// Standard output was closed when the program started (it is on /dev/null).
extern bool sortida_tancada;
// Bytes of the program's text so far.
extern unsigned long long bytes_programa;
// The program's last console act was a pause that took a key.
extern bool pausa_final;
// Reads and removes variable_avis_pausa at start (the descriptor, or -1).
extern int descriptor_avis_pausa;

// Console input (entrada.cpp).
ssize_t llegeix_consola(void *, char *desti, std::size_t mida);
int llegeix_byte();
// Puts a regular file's offset back on the first byte not delivered, and
// takes from a pipe the lines already handed over (salda_deute).
void torna_entrada_no_lliurada();
// Takes from a pipe the lines handed over from a look at it, so that the
// next reader of the pipe finds what follows them.
void salda_deute();
// The same from a signal handler, without checking what it takes.
void salda_deute_senyal();
// Waits for one key, as the pause command does; whether one came.
bool espera_tecla();  // false at the end of input
// For a console library over the same keys as _getch. A key is pending:
// a code in the queue, a sequence partly arrived, a byte waiting in the
// device or input at its end; nothing is read from the device.
bool tecla_pendent();
// One character: keys without one (arrows, F-keys) are dropped. False at
// the end of input.
bool llegeix_caracter(int &caracter);
// Appends a key after every key typed so far, those still waiting in the
// terminal included; false when too many keys were given back and not read.
bool retorna_tecla(int codi);
// Whether the last key poll found nothing waiting.
extern bool sondeig_buit;

// The console's only case rule: A to Z onto a to z (cadenes.cpp).
char baixa(char c);

// The console's code page on a UTF-8 terminal (pagina_codis.cpp).
// Whether the user's locale is UTF-8 (read once; the program's stays "C").
bool locale_utf8();
// Appends the UTF-8 form of the character that byte b shows on the console.
void afegeix_glif(unsigned char b, std::string &sortida);
// The code page's byte for a character, or -1 when it has none.
int byte_de(char32_t caracter);
// Typed UTF-8 text as code page bytes, through utf8::caracter (tecles.h) as
// keys are; a character the page lacks, or a sequence it refuses, is "?".
std::string a_pagina_codis(const char *dades, std::size_t mida);

}  // namespace plataforma::intern

#endif
