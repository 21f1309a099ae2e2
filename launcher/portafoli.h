// The launcher's parts: the table of programs and its screens, the typed
// line split into words, the run of one program in the working folder, and
// the two ways of choosing (the key-driven menu on a terminal and the line
// interface through pipes).
#ifndef PORTAFOLI_H
#define PORTAFOLI_H

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "executa.h"

namespace portafoli {

struct Fitxa {
  const char *nom;
  const char *subsistema;
  const char *titol;   // the subsystem's title
  bool amb_arguments;  // takes its data from the command line
  const char *descripcio;
};

// Every program, in the screens' order; a program's number is its place
// here plus one.
std::span<const Fitxa> programes();
inline std::size_t numero(const Fitxa &f) { return static_cast<std::size_t>(&f - programes().data()) + 1; }

// One screen of the list: a subsystem, or a part of one that does not fit.
struct Pantalla {
  std::string_view titol;
  std::size_t primer, quants;  // the programs' places in programes()
  std::size_t part, parts;
};
constexpr std::size_t per_pantalla = 18;
std::vector<Pantalla> pantalles(std::size_t capacitat = per_pantalla);
// The screen holding the program at that place.
std::size_t pantalla_de(const std::vector<Pantalla> &totes, std::size_t lloc);

// The first program whose name starts with prefix, ignoring case (an exact
// name first); null when none does.
const Fitxa *cerca(std::string_view prefix);
// Up to three names closest to a name that matched none.
std::string semblants(std::string_view nom);

// A typed line split into words as a shell splits them: blanks separate,
// single quotes keep everything, double quotes keep all but \" \\ \$ \`,
// a backslash outside quotes keeps the next character, and an unquoted ~
// or ~user at the start of a word is that user's home folder. Empty when a
// quote is left open (error then says so).
std::optional<std::vector<std::string>> paraules(std::string_view linia, std::string &error);

// The user's home folder: HOME, or the password database's entry; empty
// when neither gives one.
std::string carpeta_usuari();

// The working folder of every program, absolute.
extern std::string carpeta_treball;

// Runs the program in the working folder with those arguments; false (and a
// message on standard error) when it could not be started.
bool executa(const Fitxa &f, const std::vector<std::string> &arguments, plataforma::Final &final);
// How the program ended, as the list's status line says it.
std::string descriu_final(const plataforma::Final &final);

// One typed line, without its line feed, with the bytes as typed: on a UTF-8
// terminal the console's code page is undone. False at the end of input.
bool llegeix_linia(std::string &linia);
// Appends a character typed at a key read, likewise as typed.
void afegeix_caracter(std::string &text, int codi);
// Text as typed (UTF-8 on a UTF-8 terminal) in the bytes the console shows
// as those characters, for the launcher's own screens.
std::string per_mostrar(std::string_view text);

// The two interfaces; each returns the launcher's exit status.
int menu_terminal();
int menu_linies();

}  // namespace portafoli

#endif
