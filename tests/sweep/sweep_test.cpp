// Every program against garbage, the end of input at every step, and hostile
// command lines: each run must end by itself, without a sanitizer report,
// under the output cap, leaving only the files the program keeps. make test
// runs one round, make sweep twenty and every input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "programa.h"

namespace {

using prova::CarpetaTemporal;

std::vector<std::string> llista(const char *noms_amb_comes) {
  std::vector<std::string> r;
  std::istringstream noms(noms_amb_comes);
  for (std::string nom; std::getline(noms, nom, ',');) r.push_back(nom);
  return r;
}

std::vector<std::string> programes() { return llista(PROGRAMES_CONSTRUITS); }

// More random inputs per program when the environment asks for them.
int rondes_aleatories() {
  const char *n = std::getenv("ESCOMBRADA_RONDES");
  return n ? std::max(1, std::atoi(n)) : 1;
}

// The files a program may leave in its folder (the names its dialogue
// gives); programs not listed leave none. A program that writes a file
// named by the user may leave any (a CR typed in the name included): "*".
const std::map<std::string, std::vector<std::string>> fitxers_propis = {
    {"contact-book", {"agenda.dat", "agenda.txt"}},
    {"char-writer", {"prova.txt"}},
    {"line-writer", {"prova.txt"}},
    {"line-capture", {"proba.txt"}},
    {"double-writer", {"*"}},
    {"file-splitter", {"*"}},
    {"file-upcase", {"*"}},
};

bool pot_deixar(const std::string &programa, const std::string &fitxer) {
  auto propis = fitxers_propis.find(programa);
  if (propis == fitxers_propis.end()) return false;
  return std::any_of(propis->second.begin(), propis->second.end(),
                     [&](const std::string &nom) { return nom == "*" || nom == fitxer; });
}

// The programs that take their data from the command line, as CMake marks them.
const std::vector<std::string> amb_arguments = llista(PROGRAMES_AMB_ARGUMENTS);

// A valid session of the program, one reply per line, when there is one.
std::vector<std::string> sessio(const std::string &programa) {
  std::vector<std::string> r;
  std::ifstream f(std::string(DIR_SESSIONS) + "/" + programa + ".txt");
  for (std::string l; std::getline(f, l);) r.push_back(l);
  return r;
}

std::string repetit(const std::string &tros, int vegades) {
  std::string r;
  for (int i = 0; i < vegades; i++) r += tros;
  return r;
}

struct Entrada {
  std::string nom;
  std::string bytes;
  std::vector<std::string> arguments = {};
};

std::vector<Entrada> entrades(const std::string &programa) {
  std::vector<Entrada> r;
  std::vector<std::string> linies = sessio(programa);
  std::string tota;
  r.push_back({"end of input at once", ""});
  for (std::size_t i = 0; i < linies.size(); i++) {
    tota += linies[i] + "\n";
    r.push_back({"end of input after session line " + std::to_string(i + 1), tota});
  }
  std::string crlf;
  for (const std::string &l : linies) crlf += l + "\r\n";
  r.push_back({"session with CR LF", crlf + repetit("0\r\n", 5)});
  r.push_back({"small numbers at every prompt", repetit("5\n3\n2\n1\n", 30)});
  r.push_back({"words and numbers, then the end mid-line", repetit("hola 7 adeu\n2.5\n-1\n", 20) + "12"});
  r.push_back({"a non-number at every prompt", repetit("x\n", 300)});
  r.push_back({"an empty line at every prompt", repetit("\n", 300)});
  r.push_back({"menu digits then garbage", repetit("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\nabc\n", 4) + "0\n"});
  r.push_back({"a 10,000-character line", repetit(std::string(10000, 'a') + "\n", 3)});
  r.push_back({"numbers that do not fit",
               repetit("2147483648\n-2147483649\n" + std::string(400, '9') + "\n1e400\n-1e400\nnan\n", 10)});
  r.push_back({"NUL, 0xFF and Esc inside lines", repetit(std::string("a\0b\xff\x1b"
                                                                     "c1\n",
                                                                     9),
                                                         40)});
  std::mt19937 aleatori(20261208);
  for (int k = 0; k < rondes_aleatories(); k++) {
    std::string bytes;
    for (int i = 0; i < 4000; i++) bytes.push_back(static_cast<char>(aleatori() & 0xFF));
    r.push_back({"4,000 random bytes, round " + std::to_string(k + 1), bytes});
  }
  if (std::find(amb_arguments.begin(), amb_arguments.end(), programa) != amb_arguments.end()) {
    std::vector<Entrada> amb;
    for (const auto &args : std::vector<std::vector<std::string>> {
             {},
             {""},
             {"", ""},
             {std::string(5000, 'n')},
             {"-p", std::string(5000, 'n')},
             {"-u", "desti", std::string(5000, 'n')},
             {"."},
             {"-p", "."},
             {"-u", ".", "."},
             {"no-such-file"},
             {"-p", "no-such-file"},
             {"-u", "desti", "no-such-file"},
             {"/dev/full"},
             {"-p", "/dev/full"},
             {"-u", "/dev/full", "/dev/null"},
             {"1", "2", "x", "-3", "1e400", "2147483648"},
         })
      amb.push_back({"arguments", "", args});
    std::vector<std::string> molts(150, "7");
    amb.push_back({"150 arguments", "", molts});
    molts[0] = "-u";
    amb.push_back({"-u with 149 parts", "", molts});
    for (auto &e : amb) {
      e.nom += " (" + std::to_string(e.arguments.size()) + ")";
      e.bytes = repetit("\n", 10);
      r.push_back(e);
    }
  }
  return r;
}

// Where a program's share of the inputs starts: it moves from program to
// program.
std::size_t lloc(const std::string &programa) {
  std::size_t l = 0;
  for (unsigned char c : programa) l += c;
  return l;
}

// One round (make test) runs each program on every third input, from its
// own place, so that every kind of input still meets a third of the
// programs; more rounds (make sweep) run them all.
bool corre(const std::string &programa, std::size_t entrada) {
  return rondes_aleatories() > 1 || (lloc(programa) + entrada) % 3 == 0;
}

// The leak check at a program's exit costs as much again as the run. One
// round checks every other input it runs; more rounds check every run.
std::vector<std::pair<std::string, std::string>> entorn_de_fuites(const std::string &programa, std::size_t entrada) {
  if (rondes_aleatories() > 1 || (lloc(programa) + entrada / 3) % 2 == 0) return {};
  const char *opcions = std::getenv("ASAN_OPTIONS");
  return {{"ASAN_OPTIONS", std::string(opcions ? opcions : "") + ":detect_leaks=0"}};
}

bool informe_de_sanititzador(const std::string &errors) {
  return errors.find("AddressSanitizer") != std::string::npos || errors.find("LeakSanitizer") != std::string::npos ||
         errors.find("runtime error:") != std::string::npos;
}

class Escombrada : public ::testing::TestWithParam<std::string> {};

TEST_P(Escombrada, EndsByItselfCleanlyOnEveryInput) {
  const std::string programa = GetParam();
  const std::vector<Entrada> totes = entrades(programa);
  for (std::size_t i = 0; i < totes.size(); i++) {
    if (!corre(programa, i)) continue;
    const Entrada &e = totes[i];
    SCOPED_TRACE(programa + ": " + e.nom);
    CarpetaTemporal carpeta;
    prova::Resultat r = prova::executa({.programa = programa,
                                        .entrada = e.bytes,
                                        .arguments = e.arguments,
                                        .carpeta = carpeta.cami(),
                                        .entorn = entorn_de_fuites(programa, i),
                                        .temps_maxim_ms = 10000,
                                        .sortida_maxima = 20u << 20});
    EXPECT_FALSE(r.temps_esgotat) << "did not end by itself within 10 s";
    EXPECT_FALSE(r.sortida_excedida) << "printed more than 20 MB";
    // 255 is an exit status of -1, which several programs give on their
    // failures; no signal has the number 127.
    EXPECT_EQ(r.senyal, 0) << "ended by a signal";
    EXPECT_FALSE(informe_de_sanititzador(r.errors)) << r.errors.substr(0, 4000);
    for (const auto &[nom, contingut] : carpeta.fitxers()) EXPECT_TRUE(pot_deixar(programa, nom)) << "left " << nom;
  }
}

// A contact book that already holds three contacts keeps them whole, or
// replaces them with a table it wrote whole: never a cut file.
TEST(EscombradaFitxers, AStoredFileIsKeptOrReplacedWhole) {
  std::string registres;
  for (int i = 0; i < 3; i++) {
    std::string r(60, '\0');
    r.replace(0, 4, "Anna");
    r[56] = static_cast<char>(i);
    registres += r;
  }
  for (const Entrada &e : entrades("contact-book")) {
    SCOPED_TRACE(e.nom);
    CarpetaTemporal carpeta;
    carpeta.escriu("agenda.dat", registres);
    prova::Resultat r = prova::executa({.programa = "contact-book",
                                        .entrada = e.bytes,
                                        .carpeta = carpeta.cami(),
                                        .temps_maxim_ms = 10000,
                                        .sortida_maxima = 20u << 20});
    EXPECT_FALSE(r.temps_esgotat);
    std::string despres = carpeta.llegeix("agenda.dat");
    EXPECT_TRUE(despres == registres || (despres.size() % 60 == 0 && despres.size() <= 600))
        << despres.size() << " bytes";
  }
}

INSTANTIATE_TEST_SUITE_P(Programes, Escombrada, ::testing::ValuesIn(programes()),
                         [](const ::testing::TestParamInfo<std::string> &parametre) {
                           std::string nom;
                           for (char c : parametre.param)
                             nom.push_back(std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
                           return nom;
                         });

}  // namespace
