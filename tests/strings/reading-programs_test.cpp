// The string programs that read lines, words or a whole text, through pipes and files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "programa.h"

namespace {

using prova::Cas;
std::mt19937 atzar_lectura(11);
std::string text_lectura(const std::string &lletres, std::size_t minim, std::size_t maxim) {
  std::string t(std::uniform_int_distribution<std::size_t>(minim, maxim)(atzar_lectura), ' ');
  for (char &c : t) c = lletres[std::uniform_int_distribution<std::size_t>(0, lletres.size() - 1)(atzar_lectura)];
  return t;
}

// Runs the program on a file as its input and tells how many bytes of it were read: input is taken no
// further than each read needs, so this shows where the program stopped reading.
long llegits(const std::string &programa, const std::string &entrada, std::string &sortida) {
  prova::CarpetaTemporal carpeta;
  carpeta.escriu("entrada", entrada);
  int fd = open(carpeta.cami("entrada").c_str(), O_RDONLY), fs = creat(carpeta.cami("sortida").c_str(), 0600);
  pid_t fill = fork();
  if (fill == 0) {
    dup2(fd, 0);
    dup2(fs, 1);
    execl(prova::cami_programa(programa).c_str(), programa.c_str(), nullptr);
    _exit(127);
  }
  int estat = -1;
  waitpid(fill, &estat, 0);
  EXPECT_TRUE(WIFEXITED(estat) && WEXITSTATUS(estat) == 0) << programa;
  long r = lseek(fd, 0, SEEK_CUR);
  close(fd);
  close(fs);
  sortida = carpeta.llegeix("sortida");
  return r;
}

// The report for classified lines of these lengths, its figures computed here.
std::string informe(const std::vector<std::size_t> &llargades) {
  int n[4] = {}, total = static_cast<int>(llargades.size());
  for (std::size_t l : llargades) n[l < 5 ? 0 : l < 11 ? 1 : l < 16 ? 2 : 3]++;
  std::string r = "Fica un text (escriu . per parar):\n\t>";
  for (std::size_t i = 0; i < llargades.size(); i++) r += "\t>";
  r += "\n\n";
  const char *noms[] = {"Frases menors de 5 caracters", "Frases entre cinc i deu caracters",
                        "Frases entre onze i quinze caracters", "Frases majors que quinze"};
  char linia[100];
  for (int i = 0; i < 4; i++) {
    std::snprintf(linia, sizeof linia, "%s: %d (%.2f%%)\n", noms[i], n[i], total ? n[i] * 100.0 / total : 0.0);
    r += std::string(16, ' ') + linia;
  }
  return r + std::string(16, ' ') + "Total de frases: " + std::to_string(total) + " (100%)" + std::string(11, ' ') +
         "\n\nAdeu!";
}

TEST(SentenceLengths, ClassesAndPercentages) {
  std::vector<Cas> casos = {
      {.nom = "the example", .entrada = "hola\nbon dia\n.\n", .sortida = informe({4, 7})},
      {.nom = "the stop word first", .entrada = ".\nhola\n", .sortida = informe({})},
      {.nom = "no input at all", .entrada = "", .sortida = informe({})},
      {.nom = "the class limits",
       .entrada = "\n1234\n12345\n1234567890\n12345678901\n123456789012345\n1234567890123456\n.",
       .sortida = informe({0, 4, 5, 10, 11, 15, 16})},
      {.nom = "only a bare . stops", .entrada = ". \n..\nx.\n .\n", .sortida = informe({2, 2, 2, 2})},
      {.nom = "a 600-character line is one long line",
       .entrada = std::string(600, 'x') + "\n.\n",
       .sortida = informe({254})},
      {.nom = "a last line without its line feed", .entrada = "abc\n\xE9\xE9\xE9\xE9\xE9", .sortida = informe({3, 5})},
      {.nom = "nothing is read after the stop word",
       .entrada = ".\nX",
       .sortida = informe({}),
       .entrada_oberta = true}};
  for (int i = 0; i < 40; i++) {
    std::string entrada;
    std::vector<std::size_t> llargades(atzar_lectura() % 12);
    for (auto &l : llargades) {
      std::string linia = text_lectura("ab ", 0, 20);
      l = linia.size();
      entrada += linia + "\n";
    }
    casos.push_back({.nom = "random " + std::to_string(i),
                     .entrada = entrada + (i % 2 ? ".\n" : ""),
                     .sortida = informe(llargades)});
  }
  prova::comprova("sentence-lengths", casos);
  std::string sortida;
  EXPECT_EQ(llegits("sentence-lengths", "a\n.\nb\nc\n", sortida), 5);  // the stop line and the pause's byte
}

TEST(StopWord, StopsRightAfterALineEndingWithTheWord) {
  const std::string sortida = "Fica un text (escriu zabrol per parar): \n\nAdeu!";
  std::vector<Cas> casos;
  for (const char *linia : {"zabrol", "hola zabrol", "zabrolzabrol", "\xE9zabrol"})  // input stays open: it must stop
    casos.push_back(
        {.nom = linia, .entrada = std::string("x\n") + linia + "\nX", .sortida = sortida, .entrada_oberta = true});
  casos.push_back({.nom = "the end of input without the word",
                   .entrada = "zabrol hola\nZABROL\nzabrol \nabrol\n\nzabro",
                   .sortida = sortida});
  casos.push_back({.nom = "no input", .entrada = "", .sortida = sortida});
  casos.push_back({.nom = "a 254-character line",
                   .entrada = std::string(248, 'x') + "zabrol\nX",
                   .sortida = sortida,
                   .entrada_oberta = true});
  prova::comprova("stop-word", casos);
  // Where reading stopped: right after the stopping line (its kept 254
  // characters ending with the word), plus the pause's byte.
  for (int i = 0; i < 60; i++) {
    std::string entrada, sortida_real;
    long esperats = -1;
    for (int j = 0; j < 6; j++) {
      std::string linia = text_lectura(std::string("xZ ") + "\xE9", 0, 3);
      for (int k = atzar_lectura() % 3; k > 0; k--)
        linia += text_lectura("zabrol", 6, 6) + (atzar_lectura() % 2 ? "zabrol" : "");
      if (atzar_lectura() % 8 == 0)
        linia = std::string(248 + atzar_lectura() % 3, 'x') + "zabrol" + text_lectura("x", 0, 300);
      std::string guardat = linia.substr(0, 254);
      entrada += linia + "\n";
      if (esperats < 0 && guardat.size() >= 6 && guardat.substr(guardat.size() - 6) == "zabrol")
        esperats = static_cast<long>(entrada.size()) + (j < 5 ? 1 : 0);
    }
    EXPECT_EQ(llegits("stop-word", entrada, sortida_real), esperats < 0 ? static_cast<long>(entrada.size()) : esperats)
        << prova::visible(entrada);
    EXPECT_EQ(sortida_real, sortida);
  }
}

TEST(WordLength, TheFirstWordUpTo39Characters) {
  auto cas = [](const std::string &entrada, int n) {
    return Cas {.nom = entrada.substr(0, 30),
                .entrada = entrada,
                .sortida = "Fica una paraula: La paraula te " + std::to_string(n) + " caracters."};
  };
  std::vector<Cas> casos = {cas("  paraula  \n", 7),
                            cas("hola,mon!\n", 9),
                            cas("\n\n \t x\n", 1),
                            cas("a b\n", 1),
                            cas(std::string(39, 'p') + "\n", 39),
                            cas(std::string(500, 'p') + "\n", 39),
                            cas("\xE9t\xE9\n", 3),
                            cas("sense", 5),
                            {.nom = "no input", .entrada = "", .sortida = "Fica una paraula: "},
                            {.nom = "white space only", .entrada = " \n\t\n", .sortida = "Fica una paraula: "}};
  for (int i = 0; i < 60; i++) {
    std::string paraula = text_lectura(std::string("aZ,.!1") + "\xE9\xFF", 1, 60);
    casos.push_back(cas(
        text_lectura(" \t\n\r\v\f", 0, 4) + paraula + text_lectura(" \t\n", 1, 2) + text_lectura("ab ", 0, 5) + "\n",
        static_cast<int>(std::min<std::size_t>(paraula.size(), 39))));
  }
  prova::comprova("word-length", casos);
}

TEST(TextCount, EveryByteUpToTheEndOfInput) {
  auto cas = [](const std::string &nom, const std::string &text) {
    std::string guardat = text.substr(0, 254);
    return Cas {.nom = nom,
                .entrada = text,
                .sortida = "Fica una frase: El text que mostro a continuacio te " + std::to_string(guardat.size()) +
                           " caracters.\n" + guardat};
  };
  std::vector<Cas> casos = {cas("a line", "abc\n"),
                            cas("no line feed", "abc"),
                            cas("empty", ""),
                            cas("254 bytes", std::string(254, 'x')),
                            cas("600 bytes in lines", std::string(600, 'x') + "\nyz\n"),
                            cas("a byte 255 and a NUL", std::string("a\xFF"
                                                                    "b\0c\n",
                                                                    6))};
  for (int i = 0; i < 40; i++) {
    std::string text(atzar_lectura() % 400, ' ');
    for (char &c : text) c = static_cast<char>(atzar_lectura() % 4 ? atzar_lectura() % 256 : '\n');
    casos.push_back(cas("random " + std::to_string(i), text));
  }
  prova::comprova("text-count", casos);
}

TEST(PointerBasics, FiveValues) {
  prova::comprova("pointer-basics", {{.nom = "no input", .entrada = "", .sortida = "52252"},
                                     {.nom = "input is not read", .entrada = "1\n2\n", .sortida = "52252"}});
}

}  // namespace
