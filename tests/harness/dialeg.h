// Builds a dialogue's input and its expected output side by side, one call
// per prompt and reply, so that a case reads as the conversation it is:
//   prova::Dialeg d;
//   d.pregunta("Fica un numero tope: ", "0").pregunta("Fica un numero tope: ", "3").diu("La suma ...");
//   {.nom = "...", .entrada = d.entrada, .sortida = d.sortida}
#ifndef ARNES_DIALEG_H
#define ARNES_DIALEG_H

#include <string>

namespace prova {

struct Dialeg {
  std::string entrada;  // what the user types
  std::string sortida;  // what the program prints

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
};

}  // namespace prova

#endif
