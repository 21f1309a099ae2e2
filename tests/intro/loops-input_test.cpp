// Input robustness of the eighteen loop programs, as tables generated from
// one valid session each: the input cut after every line, refused replies at
// every prompt, hostile input, and the pause waiting with the input open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "indicacions.h"
#include "programa.h"

namespace {

using prova::Cas;

const std::string frase = "\nIntrodueix una frase: ";

// A valid session: before each typed line its prompt, and after the last
// line what the program prints to the end.
struct PasNumeric {
  std::string pregunta;
  std::string linia;
};
struct SessioNumerica {
  std::string programa;
  std::vector<PasNumeric> passos;
  std::string resultat;
};

const std::vector<SessioNumerica> &sessions_numeriques() {
  static const std::vector<SessioNumerica> s = {
      {"star-square", {{tope, "2\n"}}, "* * \n* * \n"},
      {"hollow-square", {{tope, "3\n"}}, "***\n* *\n***\n"},
      {"star-triangle", {{lineas, "2\n"}}, "*\n**\n"},
      {"star-triangle-right", {{lineas, "3\n"}}, " *\n**\n"},
      {"star-triangle-inverted", {{lineas, "3\n"}}, "**\n *\n"},
      {"letter-diagonal", {{tope, "2\n"}}, " z\ny\n"},
      {"number-triangle", {{tope, "2\n"}}, "  1\n  2  3\n"},
      {"number-pyramid", {{tope, "3\n"}}, "\t[La meitat es: 2]\n1 \n1 2 \n1 \n"},
      {"perfect-numbers",
       {{"Entra un numero: ", "2\n"}},
       "100.00% (2)" + std::string(28, '\b') + "               \nFin"},
      {"factorial-sum", {{tope, "2\n"}}, "\n\nResultat = (1!) + (2!) + \b\b= 3"},
      {"harmonic-sum", {{tope, "2\n"}}, "\n\nResultat = (1 / 1) + (1 / 2) + \b\b= 1.5"},
      {"gcd-subtraction", {{parella, "4 6\n"}}, "\n...el mcd es 2"},
      {"number-stats",
       {{cantidad, "3\n"},
        {"Pon el numero #1: ", "4\n"},
        {"Pon el numero #2: ", "-1\n"},
        {"Pon el numero #3: ", "9\n"}},
       "\n\nLa media es: 4.00, el maximo es: 9, y el minimo es: -1"},
  };
  return s;
}

// The session with a refused reply typed once before line k: prompt k twice.
std::vector<Cas> refusals(const SessioNumerica &s, const std::string &resposta, const std::string &nom) {
  std::vector<Cas> casos;
  for (std::size_t k = 0; k < s.passos.size(); k++) {
    Cas c {.nom = nom + " at prompt " + std::to_string(k + 1), .entrada = {}, .sortida = {}};
    for (std::size_t i = 0; i < s.passos.size(); i++) {
      if (i == k) {
        c.entrada += resposta;
        c.sortida += s.passos[i].pregunta;
      }
      c.entrada += s.passos[i].linia;
      c.sortida += s.passos[i].pregunta;
    }
    c.sortida += s.resultat;
    casos.push_back(c);
  }
  return casos;
}

TEST(LoopInput, CutAfterEachLineEndsAtThePromptThatMetTheEnd) {
  for (const SessioNumerica &s : sessions_numeriques()) {
    std::vector<Cas> casos;
    std::string entrada, sortida;
    for (const PasNumeric &p : s.passos) {
      sortida += p.pregunta;
      // The end of input at this prompt, and the same with a blank line left.
      casos.push_back({.nom = "cut before: " + prova::visible(p.linia), .entrada = entrada, .sortida = sortida});
      casos.push_back({.nom = "blank lines before the end: " + prova::visible(p.linia),
                       .entrada = entrada + "\n \n\t\n",
                       .sortida = sortida});
      entrada += p.linia;
    }
    casos.push_back({.nom = "the whole session", .entrada = entrada, .sortida = sortida + s.resultat});
    // A last line without its line feed counts as typed.
    casos.push_back({.nom = "no final line feed",
                     .entrada = entrada.substr(0, entrada.size() - 1),
                     .sortida = sortida + s.resultat});
    prova::comprova(s.programa, casos);
  }
}

TEST(LoopInput, RefusedRepliesAskTheSamePromptAgain) {
  for (const SessioNumerica &s : sessions_numeriques()) {
    std::vector<Cas> casos;
    for (auto [resposta, nom] : std::vector<std::pair<std::string, std::string>> {
             {"abc\n", "a non-number"},
             {"2147483648\n", "2147483648"},
             {"-2147483649\n", "-2147483649"},
             {"4294967297\n", "4294967297"},
             {std::string(23, '9') + "\n", "23 nines"},
             {std::string(10000, 'a') + "\n", "a 10000-character line"},
             {std::string(10000, '7') + "\n", "a 10000-digit number"},
             {std::string("\x01\x02\xFE\xFF\x7F") + "\n", "binary bytes"}}) {
      std::vector<Cas> mes = refusals(s, resposta, nom);
      casos.insert(casos.end(), mes.begin(), mes.end());
    }
    prova::comprova(s.programa, casos);
  }
}

// With the input held open, a program that pauses waits for one more byte;
// nothing else would end it.
TEST(LoopInput, ThePauseWaitsForOneKey) {
  std::vector<std::pair<std::string, Cas>> casos;
  for (const SessioNumerica &s : sessions_numeriques()) {
    Cas c {.nom = "pause after the session", .entrada = {}, .sortida = {}, .entrada_oberta = true};
    for (const PasNumeric &p : s.passos) {
      c.entrada += p.linia;
      c.sortida += p.pregunta;
    }
    c.entrada += "k";
    c.sortida += s.resultat;
    casos.push_back({s.programa, c});
  }
  casos.push_back({"alphabet",
                   {.nom = "pause",
                    .entrada = "k",
                    .sortida = "a b c d e f g h i j k l m n o p q r s t u v w x y z ",
                    .entrada_oberta = true}});
  casos.push_back({"number-stats",
                   {.nom = "pause after no numbers",
                    .entrada = "0\nk",
                    .sortida = cantidad + "\n\nNo hay ningun numero: no hay media, ni maximo, ni minimo",
                    .entrada_oberta = true}});
  casos.push_back(
      {"star-triangle", {.nom = "pause after no rows", .entrada = "0\nk", .sortida = lineas, .entrada_oberta = true}});
  casos.push_back(
      {"char-count",
       {.nom = "pause", .entrada = "ab\nk", .sortida = caracter + "\nCaracters introduis: 2", .entrada_oberta = true}});
  casos.push_back({"prompted-char-count",
                   {.nom = "pause",
                    .entrada = "ab\n\nk",
                    .sortida = caracter + caracter + "\nCaracters introduis: 1",
                    .entrada_oberta = true}});
  casos.push_back({"case-swap", {.nom = "pause", .entrada = "aB\nk", .sortida = frase + "Ab", .entrada_oberta = true}});
  for (const auto &[programa, c] : casos) prova::comprova(programa, {c});
  // factorial-table: only its ending matters here.
  prova::CarpetaTemporal carpeta;
  prova::Resultat r = prova::executa(
      {.programa = "factorial-table", .entrada = "k", .carpeta = carpeta.cami(), .entrada_oberta = true});
  EXPECT_FALSE(r.temps_esgotat);
  EXPECT_EQ(r.estat, 0);
}

// Whatever arrives, each program ends by itself, quickly, with status 0 and
// a bounded output.
TEST(LoopInput, HostileInputEndsEveryProgram) {
  std::string binari;
  for (int i = 0; i < 4096; i++) binari.push_back(static_cast<char>((i * 37 + 11) % 256));
  const std::vector<std::pair<std::string, std::string>> entrades = {
      {"non-numbers", "abc\nx y z\n-\n+\n"},
      {"a 10000-character line", std::string(10000, 'q') + "\n"},
      {"binary bytes", binari},
      {"out of range and 1e400", "2147483648\n-2147483649\n1e400\n"},
      {"blank lines", "\n\n   \n\t\n\n"},
      {"no input", ""},
  };
  for (const char *programa : {"star-square", "hollow-square", "star-triangle", "star-triangle-right",
                               "star-triangle-inverted", "letter-diagonal", "number-triangle", "number-pyramid",
                               "alphabet", "perfect-numbers", "factorial-table", "factorial-sum", "harmonic-sum",
                               "gcd-subtraction", "number-stats", "char-count", "prompted-char-count", "case-swap"}) {
    for (const auto &[nom, entrada] : entrades) {
      SCOPED_TRACE(std::string(programa) + ": " + nom);
      prova::CarpetaTemporal carpeta;
      prova::Resultat r = prova::executa(
          {.programa = programa, .entrada = entrada, .carpeta = carpeta.cami(), .temps_maxim_ms = 10000});
      EXPECT_FALSE(r.temps_esgotat);
      EXPECT_EQ(r.estat, 0);
      EXPECT_EQ(r.errors, "");
      EXPECT_LE(r.sortida.size(), 20u << 20);
    }
  }
}

}  // namespace
