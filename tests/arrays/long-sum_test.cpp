// Long-number addition: the sum against integer arithmetic, the two readers
// and the dialogue through pipes.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "programa.h"

// The program's functions, with its main under another name.
#define main long_sum_main
#include "long-sum.cpp"
#undef main

namespace {

// The value the elements stand for, each weighing ten times the next.
long long valor(const int *n, int dim) {
  long long v = 0;
  for (int i = 0; i < dim; i++) v = v * 10 + n[i];
  return v;
}

TEST(LongSum, TheSumOfDigitsKeepsItsCarry) {
  std::mt19937 gen(7);
  auto prova_suma = [](int a, int b) {
    int n1[4], n2[4], resultat[5];
    for (int x = 3, pa = a, pb = b; x >= 0; x--, pa /= 10, pb /= 10) {
      n1[x] = pa % 10;
      n2[x] = pb % 10;
    }
    fer_suma(n1, n2, resultat);
    EXPECT_EQ(valor(resultat, 5), a + b) << a << " + " << b;
    for (int x = 0; x < 5; x++) EXPECT_TRUE(resultat[x] >= 0 && resultat[x] <= 9) << a << " + " << b;
  };
  for (int i = 0; i < 5000; i++) prova_suma(static_cast<int>(gen() % 10000), static_cast<int>(gen() % 10000));
  prova_suma(9999, 9999);
  prova_suma(9999, 1);
  prova_suma(0, 0);
}

TEST(LongSum, NonDigitsAddWithTruncatingDivision) {
  // Any stored codes (-48 .. 207): the carries keep the value, whatever their sign.
  std::mt19937 gen(11);
  for (int i = 0; i < 5000; i++) {
    int n1[4], n2[4], resultat[5];
    for (int x = 0; x < 4; x++) {
      n1[x] = static_cast<int>(gen() % 256) - 48;
      n2[x] = static_cast<int>(gen() % 256) - 48;
    }
    fer_suma(n1, n2, resultat);
    EXPECT_EQ(valor(resultat, 5), valor(n1, 4) + valor(n2, 4));
    for (int x = 1; x < 5; x++) EXPECT_TRUE(resultat[x] > -10 && resultat[x] < 10);
  }
  int blancs[4] = {0, 0, -16, -16}, resultat[5];
  fer_suma(blancs, blancs, resultat);
  EXPECT_EQ(std::vector<int>(resultat, resultat + 5), (std::vector<int> {0, 0, -3, -5, -2}));
}

// Runs the reader helper and returns what it showed.
void comprova_lector(const char *lector, const std::vector<prova::Cas> &casos) {
  for (auto cas : casos) {
    SCOPED_TRACE(std::string("reader ") + lector + ": " + cas.nom);
    prova::CarpetaTemporal carpeta;
    auto args = cas.arguments;
    args.insert(args.begin(), lector);
    prova::Resultat r = prova::executa(
        {.programa = LLEGEIX_NOMBRE, .entrada = cas.entrada, .arguments = args, .carpeta = carpeta.cami()});
    EXPECT_FALSE(r.temps_esgotat);
    EXPECT_EQ(prova::visible(r.sortida), prova::visible(cas.sortida));
    EXPECT_EQ(r.estat, 0);
  }
}

TEST(LongSum, BothReadersStoreTheFirstCharactersRightAligned) {
  const std::vector<prova::Cas> casos = {
      {.nom = "short", .entrada = "57\n", .sortida = "0 0 5 7 |99\n"},
      {.nom = "exactly four, the next line kept",
       .entrada = "1234\n5678\n",
       .sortida = "1 2 3 4 |99\n5 6 7 8 |99\n",
       .arguments = {"2"}},
      {.nom = "cut at four, the rest of the line dropped",
       .entrada = "123456789\n42\n",
       .sortida = "1 2 3 4 |99\n0 0 4 2 |99\n",
       .arguments = {"2"}},
      {.nom = "blanks are characters", .entrada = " 1 2 3\n", .sortida = "-16 1 -16 2 |99\n"},
      {.nom = "leading zeros", .entrada = "00123\n", .sortida = "0 0 1 2 |99\n"},
      {.nom = "empty line", .entrada = "\n", .sortida = "0 0 0 0 |99\n"},
      {.nom = "letters and a byte 255", .entrada = "a:\xff\n", .sortida = "0 49 10 207 |99\n"},
      {.nom = "a line of 600 characters",
       .entrada = std::string(600, '9') + "\n1\n",
       .sortida = "9 9 9 9 |99\n0 0 0 1 |99\n",
       .arguments = {"2"}},
      {.nom = "the end of input ends the line", .entrada = "12", .sortida = "0 0 1 2 |99\n"},
      {.nom = "a smaller size", .entrada = "123\n", .sortida = "1 2 |99\n", .arguments = {"1", "2"}},
  };
  comprova_lector("1", casos);
  comprova_lector("2", casos);
}

TEST(LongSum, AtTheEndOfInput) {
  // Before any character of a number: the first reader ends the program,
  // the second stores an empty number.
  comprova_lector("1", {{.nom = "no input", .entrada = "", .sortida = ""},
                        {.nom = "after a number", .entrada = "7\n", .sortida = "0 0 0 7 |99\n", .arguments = {"3"}}});
  comprova_lector(
      "2", {{.nom = "no input", .entrada = "", .sortida = "0 0 0 0 |99\n"},
            {.nom = "after a number", .entrada = "7\n", .sortida = "0 0 0 7 |99\n0 0 0 0 |99\n", .arguments = {"2"}}});
}

const std::string p1 = "Fica un nombre (maxim 4 xifres): ", p2 = "\n\nFica un altre nombre (maxim 4 xifres): ";

std::string dialeg(const std::string &n1, const std::string &n2, const std::string &total) {
  return p1 + "\tNombre guardat: " + n1 + p2 + "\tNombre guardat: " + n2 + "\n\nTotal: " + total;
}

TEST(LongSum, Dialogue) {
  prova::comprova(
      "long-sum",
      {
          {.nom = "123 + 45", .entrada = "123\n45\n", .sortida = dialeg("123", "45", "168")},
          {.nom = "9999 + 1", .entrada = "9999\n1\n", .sortida = dialeg("9999", "1", "10000")},
          {.nom = "9999 + 9999", .entrada = "9999\n9999\n", .sortida = dialeg("9999", "9999", "19998")},
          {.nom = "5000 + 5000", .entrada = "5000\n5000\n", .sortida = dialeg("5000", "5000", "10000")},
          {.nom = "four digits each", .entrada = "1234\n5678\n", .sortida = dialeg("1234", "5678", "6912")},
          {.nom = "12345 keeps 1234", .entrada = "12345\n7\n", .sortida = dialeg("1234", "7", "1241")},
          {.nom = "the rest of the line never reaches the second read",
           .entrada = "1234 5678\n1\n",
           .sortida = dialeg("1234", "1", "1235")},
          {.nom = "leading zeros", .entrada = "00123\n0099\n", .sortida = dialeg("12", "99", "111")},
          {.nom = "0 and 7", .entrada = "0\n7\n", .sortida = dialeg("0", "7", "7")},
          {.nom = "two empty lines", .entrada = "\n\n", .sortida = dialeg("0", "0", "0")},
          {.nom = "a letter", .entrada = "a\n1\n", .sortida = dialeg("49", "1", "50")},
          {.nom = "blanks", .entrada = "  \n  \n", .sortida = dialeg("-16-16", "-16-16", "-3-5-2")},
          {.nom = "a colon and a byte 255", .entrada = ":\n\xff\n", .sortida = dialeg("10", "207", "217")},
          {.nom = "a last line without its line feed", .entrada = "12\n3", .sortida = dialeg("12", "3", "15")},
          {.nom = "end of input at the first number", .entrada = "", .sortida = p1},
          {.nom = "end of input at the second number", .entrada = "12\n", .sortida = p1 + "\tNombre guardat: 12" + p2},
          {.nom = "end of input after a cut line", .entrada = "123456", .sortida = p1 + "\tNombre guardat: 1234" + p2},
      });
}

}  // namespace
