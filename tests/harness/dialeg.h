// A conversation with a program through pipes, written step by step as the
// session reads: what the program prints, what the user types. Input and
// expected output are built side by side, never zipped by hand. A case is
// a conversation with a name, its steps in a list:
//   using namespace prova::pas;
//   prova::comprova("grade-book", {
//       prova::Dialeg("a bad choice, then exit", menu, {tria("7"), pausa(incorrecta), tria("0"), diu(adeu)}),
//       prova::Dialeg("the end of input", menu, {tria(""), diu(adeu)}).estat(1),
//   });
// or built call by call (d.pregunta(text, "3").diu(...)), as in a loop.
#ifndef ARNES_DIALEG_H
#define ARNES_DIALEG_H

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "programa.h"

namespace prova {

// One step of a conversation.
struct Pas {
  std::string sortida;  // printed by the program
  std::string entrada;  // typed after it
  bool menu = false;    // the program shows its menu first
};

namespace pas {
// The program prints text.
inline Pas diu(const std::string &text) { return {text, {}}; }
// The user types a line (its line feed is added).
inline Pas respon(const std::string &linia) { return {{}, linia + "\n"}; }
// A prompt and the line typed after it.
inline Pas pregunta(const std::string &text, const std::string &linia) { return {text, linia + "\n"}; }
// One key, as a pause takes it through a pipe.
inline Pas tecla(char c = 'k') { return {{}, std::string(1, c)}; }
// The program prints text (nothing by default), then waits for a key.
inline Pas pausa(const std::string &text = {}, char c = 'k') { return {text, std::string(1, c)}; }
// The menu is shown and an option typed.
inline Pas tria(const std::string &opcio) { return {{}, opcio + "\n", true}; }
}  // namespace pas

struct Dialeg {
  std::string entrada;  // what the user types
  std::string sortida;  // what the program prints
  std::string nom;      // the case's name
  std::string text_menu;

  Dialeg() = default;
  // A named conversation (a case of its own), with the text of the program's
  // menu when it has one.
  explicit Dialeg(std::string nom_cas, std::string menu_programa = {})
      : nom(std::move(nom_cas)), text_menu(std::move(menu_programa)) {}
  Dialeg(std::string nom_cas, std::initializer_list<Pas> passos) : Dialeg(std::move(nom_cas), {}, passos) {}
  Dialeg(std::string nom_cas, std::string menu_programa, std::initializer_list<Pas> passos)
      : Dialeg(std::move(nom_cas), std::move(menu_programa)) {
    for (const Pas &p : passos) afegeix(p);
  }

  Dialeg &afegeix(const Pas &p) {
    if (p.menu) sortida += text_menu;
    sortida += p.sortida;
    entrada += p.entrada;
    return *this;
  }

  // The program prints text.
  Dialeg &diu(const std::string &text) {
    sortida += text;
    return *this;
  }
  // The user types a line (its line feed is added).
  Dialeg &respon(const std::string &linia) {
    entrada += linia + "\n";
    return *this;
  }
  // A prompt and the line typed after it.
  Dialeg &pregunta(const std::string &text, const std::string &linia) { return diu(text).respon(linia); }
  // One key, as a pause takes it through a pipe.
  Dialeg &tecla(char c = 'k') {
    entrada += c;
    return *this;
  }
  // The menu is shown and an option typed.
  Dialeg &tria(const std::string &opcio) { return afegeix(pas::tria(opcio)); }
  // The program prints text (nothing by default), then waits for a key.
  Dialeg &pausa(const std::string &text = {}, char c = 'k') { return afegeix(pas::pausa(text, c)); }

  // What else the case checks, beyond the conversation.
  Dialeg &estat(int estat_final) {
    resta.estat = estat_final;
    return *this;
  }
  Dialeg &abans(Fitxers fitxers) {  // put in the folder before the run
    resta.abans = std::move(fitxers);
    return *this;
  }
  Dialeg &despres(Fitxers fitxers) {  // exactly the folder's files after
    resta.despres = std::move(fitxers);
    return *this;
  }
  Dialeg &arguments(std::vector<std::string> llista) {
    resta.arguments = std::move(llista);
    return *this;
  }

  // The case of this conversation (any other field set on the copy).
  Cas cas() const {
    Cas c = resta;
    c.nom = nom;
    c.entrada = entrada;
    c.sortida = sortida;
    return c;
  }
  operator Cas() const { return cas(); }  // a conversation is a case

 private:
  Cas resta {.nom = {}, .entrada = {}, .sortida = {}};
};

}  // namespace prova

#endif
