// Every number program asks again for a reply that does not fit in an int,
// and takes the two ends of the range.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialeg.h"
#include "programa.h"

namespace {

struct Pregunta {
  const char *programa;
  std::string abans;     // replies before the one tried
  std::string previ;     // what the program prints before the prompt tried
  std::string pregunta;  // the prompt that is asked again
  std::string segon;     // appended to the reply, for two-number replies
};

TEST(NumerosForaDeRang, AreAskedAgainInEveryProgram) {
  const std::vector<Pregunta> preguntes = {
      {"natural-sum", "", "", "Fica un numero tope: ", ""},
      {"digit-count", "", "", "\nIntrodueix un nombre: ", ""},
      {"power-tariff", "", "", "\nIntrodueix els kw consumits: ", ""},
      {"binary-converter", "", "", "Fica un numero decimal i enter: ", ""},
      {"base-converter", "", "", "Fica un numero decimal i enter: ", ""},
      {"base-converter", "10\n", "Fica un numero decimal i enter: ", "Fica una base entre 2 i 36: ", ""},
      {"binomial-recursive", "", "", "Fica el valor de n: ", ""},
      {"binomial-recursive", "5\n", "Fica el valor de n: ", "Fica el valor de m: ", ""},
      {"integer-power", "2\n", "Fica la base: ", "Fica l'exponent: ", ""},
      {"gcd-calculator", "", "", "\n\nFica dos nombres enters (separats per espai): ", " 4"},
      {"max-min", "", "", "\nEscriu dos nombres, separats per espai: ", " 4"},
  };
  for (const auto &p : preguntes) {
    std::vector<prova::Cas> casos;
    for (const std::string &resposta :
         std::vector<std::string> {"2147483648", "-2147483649", "4294967297", std::string(400, '9')})
      casos.push_back({.nom = p.pregunta + resposta.substr(0, 12),
                       .entrada = p.abans + resposta + p.segon + "\n",
                       .sortida = p.previ + p.pregunta + p.pregunta});
    SCOPED_TRACE(p.programa);
    prova::comprova(p.programa, casos);
  }
}

TEST(NumerosForaDeRang, TheEndsOfTheRangeAreNumbers) {
  const std::string nombre = "\nIntrodueix un nombre: ";
  using D = prova::Dialeg;
  prova::comprova("digit-count", {
                                     D("largest").pregunta(nombre, "2147483647").diu("\nEl total es: 10"),
                                     D("smallest").pregunta(nombre, "-2147483648").diu("\nEl total es: 10"),
                                 });
  prova::comprova("max-min", {D("both ends")
                                  .pregunta("\nEscriu dos nombres, separats per espai: ", "2147483647 -2147483648")
                                  .diu("El m\xE0"
                                       "xim es: 2147483647, i el minim es: -2147483648\n")});
}

}  // namespace
