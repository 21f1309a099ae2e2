// Console platform layer: the runtime extensions, command interpreter and
// devices the programs expect from their original console, over Linux.
//
// Every program links this layer. Before main it puts the standard streams
// on the console: standard input then delivers one line per refill and never
// reads past it (so pauses and key reads see the next line), and standard
// output is gathered with the layer's own sequences in one buffer that goes
// out in one write before every wait, so a frame reaches the terminal in
// one write. On a terminal without escape sequences (TERM unset, empty or
// "dumb") none is sent; with NO_COLOR set the colours stay the terminal's.
#ifndef PLATAFORMA_H
#define PLATAFORMA_H

#include <cstdio>

namespace plataforma {

// The command interpreter: "cls" and the pause commands ("pause",
// "pause >NUL" in any spacing or case, "pause > nul | echo Fin").
// Returns 0, or 1 for a command it does not know (which it does not run).
int system(const char *ordre);

// On stdin, drops what was delivered and not yet read (the rest of the
// current line) and, on a terminal, what was typed ahead. On stdout, sends
// everything waiting for the console, the layer's own sequences included.
// Any other stream is flushed as by the standard fflush.
int fflush(FILE *flux);

// One key without echo and without Enter. Extended keys come as two codes:
// 224 (or 0 for F1 to F10) and then the scan code. At end of input: 27.
int _getch();
// Non-zero when a key is waiting (always at end of input).
int _kbhit();
// Registers the function that redraws a full-screen program after it was
// suspended (Ctrl-Z) and resumed, and after the terminal changed size
// (SIGWINCH; mida_terminal then gives the new size). It runs in the
// program's own flow, at its next key read, key poll, pause, sleep or line
// read (a key wait ends for it), never inside a signal.
void en_reprendre(void (*redibuixa)());
// Clears for the next frame of a full-screen animation, where it would run
// "cls": through a pipe one form feed; on a terminal the first frame clears
// the screen and later ones overwrite the previous frame (no blank frame),
// each reaching the terminal in one write. Waits until periode_ms after the
// previous frame started, when a terminal is involved or the last key poll
// found nothing waiting.
void nou_quadre(unsigned long periode_ms);
// Hides the cursor on a terminal until the program ends.
void amaga_cursor();
// On a terminal, draws on the terminal's alternate screen from now on (true)
// or back on the normal one (false): the shell's screen and its history are
// there intact when the program leaves it, or ends in any way.
void pantalla_alternativa(bool activa);
// The terminal's rows and columns, 0 when unknown (not a terminal); read
// again after every change of size.
void mida_terminal(int &files, int &columnes);
// On a terminal known to be smaller than 80 x 25, says so, waits for a key
// and clears the screen; made smaller later, the next frame of nou_quadre
// does the same until it is big enough, then draws the whole frame. On a
// terminal that cannot place the cursor (TERM unset, empty or "dumb"),
// says so, waits for a key and ends the program. Called first by
// full-screen programs.
void avis_pantalla_completa();
// Sleeps for that many milliseconds.
void _sleep(unsigned long ms);

// Compares bytes as unsigned values with only A to Z folded onto a to z.
int _strcmpi(const char *a, const char *b);
// Lowers A to Z in place; returns s.
char *_strlwr(char *s);
// Writes valor in radix 2 to 36 with lower-case digits; a minus sign only in
// radix 10, other radixes show the 32-bit pattern. Returns buffer.
char *_itoa(int valor, char *buffer, int base);

// The original runtime's random generator: the state starts as srand(1)
// leaves it, each call steps it as state * 214013 + 2531011 (mod 2^32) and
// gives bits 16 to 30 of the new state, 0 to rand_max.
constexpr int rand_max = 32767;
int rand();
void srand(unsigned semilla);

// Like the standard fopen, with the original's modes: a mode without "b" is
// text mode (line feed stored as CR LF, CR LF read back as line feed), and
// "prn" is the printer, whose bytes go to the print spooler (lp or lpr) when
// the stream is closed. With no spooler, opening "prn" fails with ENOENT.
// An "x" after "w" creates the file only when no file of that name exists
// (EEXIST otherwise, a dangling link included). A folder is never opened
// as a file, in any mode: EISDIR.
FILE *fopen(const char *nom, const char *mode);

// What the print spooler wrote on its error output when closing the printer
// failed ("lp: Error - No default destination."): empty when it said
// nothing, or when the last printer opened has not failed.
const char *missatge_impressora();

}  // namespace plataforma

// In a program (built with PLATAFORMA_PROGRAMA, this header included first),
// system() is the interpreter above: an exercise written for the original
// console calls system("cls") and system("pause"), which the C library would
// hand to /bin/sh. Calls that would still reach the C library's system, such
// as through its address, do not compile.
#ifdef PLATAFORMA_PROGRAMA
#include <stdlib.h>
#include <cstdlib>

namespace plataforma {
inline int interpret_ordres(const char *ordre) { return plataforma::system(ordre); }
}  // namespace plataforma
using plataforma::interpret_ordres;
extern "C" int system(const char *) __attribute__((
    __error__("system() runs /bin/sh, which knows no console commands: call plataforma::system(\"cls\")")));
#define system(ordre) interpret_ordres(ordre)
#endif

#endif
