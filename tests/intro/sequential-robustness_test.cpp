// Every sequential calculation program against cut, refused and held-open input, from one table of sessions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "indicacions.h"
#include "programa.h"

namespace {

using prova::Cas;

enum class Resposta { enter, real, caracter };

// One prompt of a session: what is printed before the read (and again when
// the reply is refused), and the line typed.
struct Pas {
  std::string pregunta;
  std::string linia;
  Resposta tipus;
  std::string repetida = {};  // when asked again, if it differs from pregunta
};

struct Sessio {
  const char *programa;
  std::vector<Pas> passos;
  std::string final;  // after the last reply, the pause's text included
};

const std::string edat_naixement = "\n\nIntrodueix una data de naixement en format dd/mm/aa (ex: 03/01/1994): ",
                  edat_actual = "\n\nIntrodueix una data actual en format dd/mm/aa (ex: 08/03/2006): ";

const std::vector<Sessio> sessions = {
    {"seconds-breakdown",
     {{"\n\nFica un numero de segons: ", "1000000\n", Resposta::enter}},
     "\n\nLa quantitat de 1000000 segons es desglosa aixi:\n1 setmanes\n4 dies\n13 hores\n46 minuts\n40 segons\n\n" +
         tecla},
    {"celsius-fahrenheit",
     {{"\n\nIntroduce els graus celsius: ", "100\n", Resposta::real}},
     "\nSon: 212.00\xF8"
     "F\n" +
         tecla},
    {"rectangle-area",
     {{"\n\nFica la longitud i la amplaria: ", "3 4\n", Resposta::real}},
     "\nLa superficie es de: 12.00\n\n" + tecla},
    {"discount-percent",
     {{"\n\nIntrodueix el preu real: ", "100\n", Resposta::real},
      {"\nIntrodueix el preu pagar: ", "80\n", Resposta::real}},
     "\nEl descompte es del: 20%\n\nFin\n"},
    {"polygon-area",
     {{"\n\nIntroduce el perimetre i l'apotegma (separats per espai): ", "10 4\n", Resposta::real}},
     "\nArea del poligon: 20.00\n" + tecla},
    {"swap-values", {}, "\n\nLa a es: 2\n...i la b es: 1\n\n" + tecla},
    {"float-truncation", {}, "x=0.24\nn1=23\nn2=24\nx=0.2399999946355819702148438" + tecla},
    {"real-arithmetic",
     {},
     "\nProducte de a (5.23) i b (8.63): 45.13\nQuocient de a (5.23) entre b (8.63): 0.61\n"
     "Residu de a (5.23) entre b (8.63): 5\n\n" +
         tecla},
    {"age-check",
     {{edat_naixement, "8/3/1988\n", Resposta::enter}, {edat_actual, "8/3/2006\n", Resposta::enter}},
     "\n\nEs major d'edat"},
    {"area-menu",
     {{menu, "2\n", Resposta::caracter},
      {"\n\nIntrodueix la base i la altura del triangle (separades per espai): ", "3 4\n", Resposta::real}},
     "...l'area es: 6.00"},
    {"quadratic-roots",
     {{"\n\nCalcula el valor de X en una equacio tipus ax^2+bx+c\n\nIntrodueix a, b i c (separats per espai): ",
       "1 -3 2\n", Resposta::real, "\n\nIntrodueix a, b i c (separats per espai): "}},
     "\nLes solucions son X1=2.00 i X2=1.00\n\n"},
    {"easter-date",
     {{"\n\nIntrodueix l'any: ", "2008\n", Resposta::enter}},
     "\nEl diumenge de pasqua seria el dia 23 de Mar\x87\n\n"},
    {"letter-case", {{"\n\nIntrodueix un caracter: ", "Q\n", Resposta::caracter}}, "\nLletra mayuscula\n\n"},
    {"weekly-wage",
     {{"\n\nIntrodueix les hores treballades i el preu per hora (separades per espai): ", "40 4.0\n", Resposta::enter}},
     "\nEl salari es de: 149.40\n\n"},
};

// The session's input and output with one refused reply put before step k.
Cas refusat(const Sessio &s, std::size_t k, const std::string &nom, const std::string &linia) {
  Cas cas {.nom = nom + " at prompt " + std::to_string(k + 1), .entrada = "", .sortida = ""};
  for (std::size_t i = 0; i < s.passos.size(); i++) {
    const Pas &p = s.passos[i];
    cas.sortida += p.pregunta;
    if (i == k) {
      cas.entrada += linia;
      cas.sortida += p.repetida.empty() ? p.pregunta : p.repetida;
    }
    cas.entrada += p.linia;
  }
  cas.sortida += s.final;
  return cas;
}

std::vector<Cas> casos_de(const Sessio &s) {
  std::vector<Cas> casos;
  std::string entrada, sortida;
  for (std::size_t k = 0; k < s.passos.size(); k++) {
    // Input ends after k lines: the dialogue stops at the prompt that met it.
    casos.push_back({.nom = "end of input after " + std::to_string(k) + " lines",
                     .entrada = entrada,
                     .sortida = sortida + s.passos[k].pregunta});
    entrada += s.passos[k].linia;
    sortida += s.passos[k].pregunta;
  }
  sortida += s.final;
  casos.push_back({.nom = "whole session", .entrada = entrada, .sortida = sortida});
  if (!entrada.empty()) {
    casos.push_back({.nom = "last line without its line feed",
                     .entrada = entrada.substr(0, entrada.size() - 1),
                     .sortida = sortida});
    casos.push_back({.nom = "binary bytes after the session",
                     .entrada = entrada + std::string("\0\x01\xFF\n", 4),
                     .sortida = sortida});
  }
  // The pause waits for its key: with input held open, one more byte ends it.
  casos.push_back(
      {.nom = "held-open input and one key", .entrada = entrada + "k", .sortida = sortida, .entrada_oberta = true});
  for (std::size_t k = 0; k < s.passos.size(); k++) {
    if (s.passos[k].tipus == Resposta::caracter) continue;
    casos.push_back(refusat(s, k, "not a number", "abc\n"));
    casos.push_back(refusat(s, k, "a 10000-character line", std::string(10000, 'x') + "\n"));
    casos.push_back(refusat(s, k, "a blank line, then not a number", "\n  \nabc\n"));
    if (s.passos[k].tipus != Resposta::enter) continue;
    casos.push_back(refusat(s, k, "2147483648", "2147483648\n"));
    casos.push_back(refusat(s, k, "-2147483649", "-2147483649\n"));
    casos.push_back(refusat(s, k, "23 nines", std::string(23, '9') + "\n"));
  }
  return casos;
}

TEST(SequentialPrograms, CutRefusedAndHeldOpenInput) {
  for (const Sessio &s : sessions) prova::comprova(s.programa, casos_de(s));
}

TEST(SequentialPrograms, EarlyExitsEndWithInputHeldOpen) {
  prova::comprova("age-check", {{.nom = "impossible",
                                 .entrada = "1/1/2007\n8/3/2006\n",
                                 .sortida = edat_naixement + edat_actual + "\n\nEs impossible",
                                 .entrada_oberta = true}});
  prova::comprova("area-menu", {{.nom = "4", .entrada = "4\n", .sortida = menu, .entrada_oberta = true},
                                {.nom = "x, its line feed and 4",
                                 .entrada = "x\n4\n",
                                 .sortida = menu + "\f" + menu + "\f" + menu,
                                 .entrada_oberta = true}});
}

TEST(SequentialPrograms, NumbersInsideTheirLinesAreLeftForTheNextRead) {
  // A reply's rest stays for the next prompt, which takes it without waiting.
  prova::comprova("discount-percent", {{.nom = "both prices on one line",
                                        .entrada = "100 80\n",
                                        .sortida = "\n\nIntrodueix el preu real: \nIntrodueix el preu pagar: "
                                                   "\nEl descompte es del: 20%\n\nFin\n"}});
  prova::comprova("age-check", {{.nom = "both dates on one line",
                                 .entrada = "8/3/1988 8/3/2006\n",
                                 .sortida = edat_naixement + edat_actual + "\n\nEs major d'edat"}});
  prova::comprova("easter-date", {{.nom = "1e400 reads as 1",
                                   .entrada = "1e400\n",
                                   .sortida = "\n\nIntrodueix l'any: \n"
                                              "L'any ha de ser 1583 o posterior (calendari gregoria)\n\n"}});
}

}  // namespace
