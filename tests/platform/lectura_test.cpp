// The reply readers: integer conversions refuse numbers outside their type,
// everything else reads as scanf does; the dialogue loops on top of them.
#include "lectura.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "fill.h"
#include "programa.h"

namespace {

using prova::en_fill;

// Reads the input with "%d" until it ends, printing each answer: the value,
// "no" for a line that did not match, then "fi".
std::string enters(const std::string &entrada) {
  return en_fill(entrada,
                 [] {
                   int x = 0, r;
                   while ((r = lectura::llegeix_valors("%d", &x)) != lectura::fi_entrada)
                     r == 1 ? std::printf("%d ", x) : std::printf("no ");
                   std::printf("fi");
                 })
      .sortida;
}

TEST(Lectura, IntegersOutsideTheirRangeDoNotMatch) {
  EXPECT_EQ(enters("2147483648\n"), "no fi");
  EXPECT_EQ(enters("-2147483649\n"), "no fi");
  EXPECT_EQ(enters("4294967297\n"), "no fi");
  EXPECT_EQ(enters("3000000000\n"), "no fi");
  EXPECT_EQ(enters(std::string(20, '9') + "\n"), "no fi");
  EXPECT_EQ(enters(std::string(400, '9') + "\n"), "no fi");
  EXPECT_EQ(enters("2147483647\n-2147483648\n+7\n-0\n"), "2147483647 -2147483648 7 0 fi");
}

TEST(Lectura, ARefusedLineIsDroppedWholeAndTheNextIsRead) {
  EXPECT_EQ(enters("9999999999 5\n6\n"), "no 6 fi");
  EXPECT_EQ(enters("abc 5\n\n  \n  7\n"), "no 7 fi");  // blanks and empty lines skipped
}

TEST(Lectura, WhatFollowsANumberStaysForTheNextRead) {
  EXPECT_EQ(enters("1 2 3\n"), "1 2 3 fi");
  std::string s = en_fill("7abc\n", [] {
                    int x = 0;
                    int r = lectura::llegeix_valors("%d", &x);
                    std::printf("%d %d %c", r, x, std::getchar());
                  }).sortida;
  EXPECT_EQ(s, "1 7 a");
}

TEST(Lectura, EveryIntegerSizeHasItsOwnRange) {
  auto llegeix = [](const char *entrada, auto llegidor) { return en_fill(entrada, llegidor).sortida; };
  EXPECT_EQ(llegeix("32767\n32768\n-32768\n-32769\n",
                    [] {
                      short h = 0;
                      for (int i = 0; i < 4; i++)
                        lectura::llegeix_valors("%hd", &h) == 1 ? std::printf("%d ", h) : std::printf("no ");
                    }),
            "32767 no -32768 no ");
  EXPECT_EQ(llegeix("4294967295\n4294967296\n-1\n",
                    [] {
                      unsigned u = 0;
                      for (int i = 0; i < 3; i++)
                        lectura::llegeix_valors("%u", &u) == 1 ? std::printf("%u ", u) : std::printf("no ");
                    }),
            "4294967295 no no ");
  EXPECT_EQ(llegeix("9223372036854775807 9223372036854775808\n-9223372036854775808\n",
                    [] {
                      long long q = 0;
                      for (int i = 0; i < 3; i++)
                        lectura::llegeix_valors("%lld", &q) == 1 ? std::printf("%lld ", q) : std::printf("no ");
                    }),
            "9223372036854775807 no -9223372036854775808 ");
  EXPECT_EQ(llegeix("0x1f 017 12\n",
                    [] {
                      int a = 0, b = 0, c = 0;
                      int r = lectura::llegeix_valors("%i %i %i", &a, &b, &c);
                      std::printf("%d %d %d %d", r, a, b, c);
                    }),
            "1 31 15 12");
}

TEST(Lectura, SeveralValuesAndLiteralsOfTheFormat) {
  std::string s = en_fill("3/4/2024\n3/x/1\n31/12/99999999999\n1/2/3", [] {
                    int d, m, a, r;
                    while ((r = lectura::llegeix_valors("%d/%d/%d", &d, &m, &a)) != lectura::fi_entrada)
                      r == 1 ? std::printf("%d-%d-%d ", d, m, a) : std::printf("no ");
                    std::printf("fi");
                  }).sortida;
  EXPECT_EQ(s, "3-4-2024 no no 1-2-3 fi");
}

TEST(Lectura, RealsKeepTheCLibrarysReading) {
  std::string s = en_fill("1e400 nan 2.5 x\n", [] {
                    double d;
                    for (int i = 0; i < 4; i++)
                      lectura::llegeix_valors("%lf", &d) == 1 ? std::printf("%g ", d) : std::printf("no ");
                  }).sortida;
  EXPECT_EQ(s, "inf nan 2.5 no ");
}

TEST(Lectura, TheEscanejaEngineCountsAsScanfDoes) {
  std::string s = en_fill("5 99999999999 88888888888 7\n", [] {
                    int a = 0, b = 0;
                    void *const desti[] = {&a, &b};
                    int r = lectura::escaneja("%d %d", desti);  // stops at the number too large
                    std::printf("%d %d|", r, a);
                    std::printf("%d|", lectura::escaneja("%*d", desti));  // refused even suppressed
                    r = lectura::escaneja("%d", desti);
                    std::printf("%d %d|", r, a);
                  }).sortida;
  EXPECT_EQ(s, "1 5|0|1 7|");
  EXPECT_EQ(en_fill("",
                    [] {
                      int a;
                      void *const desti[] = {&a};
                      std::printf("%d", lectura::escaneja("%d", desti));
                    })
                .sortida,
            "-1");
}

// --- Reals: the decimal comma ----------------------------------------------------

// Reads the input with the format (one double) once, then prints the
// answer, the value and the rest of the line.
std::string un_real(const std::string &entrada, const char *format = "%lf") {
  return en_fill(entrada,
                 [format] {
                   double d = -1;
                   void *const desti[] = {&d};
                   int r = lectura::escaneja(format, desti);
                   std::string resta;
                   lectura::llegeix_linia(resta);
                   std::printf("%d %g [%s]", r, d, resta.c_str());
                 })
      .sortida;
}

TEST(Lectura, ACommaBetweenDigitsIsTheDecimalPoint) {
  EXPECT_EQ(un_real("37,5\n"), "1 37.5 []");
  EXPECT_EQ(un_real("-0,25 x\n"), "1 -0.25 [ x]");
  EXPECT_EQ(un_real("8,5e1\n"), "1 85 []");
  EXPECT_EQ(un_real("8,5\n", "%le"), "1 8.5 []");
  EXPECT_EQ(un_real("8,5\n", "%lg"), "1 8.5 []");
  EXPECT_EQ(un_real("0x1,8p1\n", "%la"), "1 3 []");
  std::string f = en_fill("37,5 1,25\n", [] {
                    float a = 0, b = 0;
                    int r = lectura::llegeix_valors("%f %f", &a, &b);
                    std::printf("%d %g %g", r, static_cast<double>(a), static_cast<double>(b));
                  }).sortida;
  EXPECT_EQ(f, "1 37.5 1.25");
}

TEST(Lectura, ACommaNotBetweenDigitsIsNotPartOfTheNumber) {
  EXPECT_EQ(un_real("5,\n"), "1 5 [,]");
  EXPECT_EQ(un_real("5, 3\n"), "1 5 [, 3]");
  EXPECT_EQ(un_real("5,x\n"), "1 5 [,x]");
  EXPECT_EQ(un_real(",5\n"), "0 -1 [,5]");
  EXPECT_EQ(un_real("-,5\n"), "0 -1 [,5]");
  EXPECT_EQ(un_real("1,5,3\n"), "1 1.5 [,3]");  // one decimal separator
  EXPECT_EQ(un_real("1.5,3\n"), "1 1.5 [,3]");
  EXPECT_EQ(un_real("1,5.3\n"), "1 1.5 [.3]");
  EXPECT_EQ(un_real("1e3,5\n"), "1 1000 [,5]");  // not in the exponent
  EXPECT_EQ(un_real("inf,5\n"), "1 inf [,5]");
  EXPECT_EQ(un_real("37,5\n", "%3lf"), "1 37 [5]");  // a width counts it as a point
}

TEST(Lectura, IntegerRepliesKeepTheirComma) {
  std::string s = en_fill("37,5\n", [] {
                    int x = 0;
                    int r = lectura::llegeix_valors("%d", &x);
                    std::printf("%d %d %c", r, x, std::getchar());
                  }).sortida;
  EXPECT_EQ(s, "1 37 ,");
}

// Without a comma, a real reads exactly as the C library's scanf reads it:
// what it stores, what it answers and where it leaves the input.
TEST(Lectura, RealsWithoutACommaReadAsTheCLibraryReads) {
  const char *entrades[] = {"2.5",  "-7",    ".5",    "5.",     ".",      "-.",  "+",    "-x",      "1e",
                            "1ex",  "1e+",   "1e-3x", "1e5e5",  "1.2.3",  "inf", "infx", "infin",   "INFINITY",
                            "nan",  "nax",   "na",    "nan(1)", "0x",     "0xg", "0x1p", "0x1.8p3", "0x.8",
                            "00x1", "0x1e5", "1e400", "x",      "  \t 4", "",    "-0",   "1e-400",  "0X1P-2"};
  const char *formats[] = {"%lf", "%le", "%lg", "%la", "%2lf", "%1lf", "%3lf", "%4lf"};
  for (const char *format : formats) {
    for (const char *entrada : entrades) {
      SCOPED_TRACE(std::string(format) + " on \"" + entrada + "\"");
      std::string propi = en_fill(std::string(entrada) + "\n", [format] {
                            double d = -1;
                            void *const desti[] = {&d};
                            int r = lectura::escaneja(format, desti);
                            std::printf("%d %a %d", r, d, std::getchar());
                          }).sortida;
      std::string text = std::string(entrada) + "\n";
      FILE *f = fmemopen(text.data(), text.size(), "r");
      double d = -1;
      int r = std::fscanf(f, format, &d);
      char esperat[64];
      std::snprintf(esperat, sizeof esperat, "%d %a %d", r, d, std::fgetc(f));
      std::fclose(f);
      EXPECT_EQ(propi, esperat);
    }
  }
}

// Programs whose real replies take a comma answer as with a point.
TEST(Lectura, CelsiusFahrenheitTakesADecimalComma) {
  prova::CarpetaTemporal carpeta;
  auto amb_punt = prova::executa({.programa = "celsius-fahrenheit", .entrada = "37.5\n", .carpeta = carpeta.cami()});
  auto amb_coma = prova::executa({.programa = "celsius-fahrenheit", .entrada = "37,5\n", .carpeta = carpeta.cami()});
  EXPECT_NE(amb_punt.sortida.find("99.50"), std::string::npos);
  EXPECT_EQ(amb_coma.sortida, amb_punt.sortida);
}

// --- The dialogue loops --------------------------------------------------------

TEST(Demana, AsksUntilTheNumberIsInRange) {
  std::string s = en_fill("abc\n0\n11\n2147483648\n5\n", [] {
                    int n = -1;
                    bool r = lectura::demana("N? ", n, 1, 10, "fora!\n");
                    std::printf("[%d %d]", r, n);
                  }).sortida;
  // A refused number shows the message; a non-number and a number too large
  // for int ask again silently.
  EXPECT_EQ(s, "N? N? fora!\nN? fora!\nN? N? [1 5]");
}

TEST(Demana, EndOfInputIsReportedAndThePredicateForm) {
  EXPECT_EQ(en_fill("3\n",
                    [] {
                      int n = 0;
                      std::printf("[%d]", lectura::demana("N? ", n, [](int v) { return v % 2 == 0; }));
                    })
                .sortida,
            "N? N? [0]");
  EXPECT_EQ(en_fill("2.5\nnan\n0.5\n",
                    [] {
                      double d = 0;
                      bool r = lectura::demana("D? ", d, 0.0, 1.0);
                      std::printf("[%d %g]", r, d);
                    })
                .sortida,
            "D? D? D? [1 0.5]");
}

TEST(Demana, TheRestOfTheLineIsKeptOrDropped) {
  auto amb = [](lectura::Resta resta) {
    return en_fill("4 x\n",
                   [resta] {
                     int n = 0;
                     lectura::demana("N? ", n, 0, 9, nullptr, resta);
                     std::printf("[%d %d]", n, std::getchar());
                   })
        .sortida;
  };
  EXPECT_EQ(amb(lectura::Resta::queda), "N? [4 32]");
  EXPECT_EQ(amb(lectura::Resta::descarta), "N? [4 -1]");
}

TEST(Pregunta, AsksAgainWhileTheReplyDoesNotMatch) {
  std::string s = en_fill("x\n1 y\n1 2\n", [] {
                    int a = 0, b = 0;
                    bool r = lectura::pregunta("? ", "%d %d", &a, &b);
                    std::printf("[%d %d %d]", r, a, b);
                  }).sortida;
  EXPECT_EQ(s, "? ? ? [1 1 2]");
}

TEST(LlegeixLinia, KeepsWhatFitsAndDropsTheRest) {
  std::string s = en_fill("abcdefgh\nij\n", [] {
                    char b[4];
                    while (lectura::llegeix_linia(b, sizeof b)) std::printf("<%s>", b);
                  }).sortida;
  EXPECT_EQ(s, "<abc><ij>");
}

}  // namespace
