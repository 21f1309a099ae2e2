// Easter dates of the easter-date program against the anonymous Gregorian algorithm.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "programa.h"

namespace {

const std::string pregunta = "\n\nIntrodueix l'any: \n";

// The anonymous Gregorian algorithm (Meeus, Jones, Butcher): a formulation
// independent of Gauss's rule with its two exceptions.
std::string pasqua(std::int64_t any) {
  std::int64_t a = any % 19, b = any / 100, c = any % 100, d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3,
               h = (19 * a + b - d - g + 15) % 30, i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7,
               m = (a + 11 * h + 22 * l) / 451, mes = (h + l - 7 * m + 114) / 31, dia = (h + l - 7 * m + 114) % 31 + 1;
  return pregunta + "El diumenge de pasqua seria el dia " + std::to_string(dia) +
         (mes == 3 ? " de Mar\x87" : " de Abril") + "\n\n";
}

void comprova_anys(const std::vector<int> &anys) {
  std::vector<prova::Cas> casos;
  for (int any : anys)
    casos.push_back({.nom = std::to_string(any), .entrada = std::to_string(any) + "\n", .sortida = pasqua(any)});
  prova::comprova("easter-date", casos);
}

TEST(EasterDate, ExamplesAndTheOraclesAgreement) {
  // The oracle itself on known dates, so that a wrong oracle cannot pass.
  EXPECT_EQ(pasqua(2006), pregunta + "El diumenge de pasqua seria el dia 16 de Abril\n\n");
  EXPECT_EQ(pasqua(2008), pregunta + "El diumenge de pasqua seria el dia 23 de Mar\x87\n\n");
  EXPECT_EQ(pasqua(1981), pregunta + "El diumenge de pasqua seria el dia 19 de Abril\n\n");
  EXPECT_EQ(pasqua(1954), pregunta + "El diumenge de pasqua seria el dia 18 de Abril\n\n");
  EXPECT_EQ(pasqua(2100), pregunta + "El diumenge de pasqua seria el dia 28 de Mar\x87\n\n");
  EXPECT_EQ(pasqua(2147483647), pregunta + "El diumenge de pasqua seria el dia 14 de Abril\n\n");
  comprova_anys(
      {2006, 2007, 2008, 1981, 1954, 2049, 2076, 1609, 2106, 1583, 1700, 1818, 2100, 2200, 4100, 100000, 2147483647});
}

TEST(EasterDate, EveryYearOf1900To2099) {
  std::vector<int> anys;
  for (int any = 1900; any <= 2099; any++) anys.push_back(any);
  comprova_anys(anys);
}

// The two exceptions of Gauss's rule move Easter to 19 or 18 April: every
// such year is run, the exceptional ones among them.
TEST(EasterDate, EveryYearOf1583To4099OnThe18thOr19thOfApril) {
  std::vector<int> anys;
  for (int any = 1583; any <= 4099; any++)
    if (pasqua(any).find(" 18 de Abril") != std::string::npos || pasqua(any).find(" 19 de Abril") != std::string::npos)
      anys.push_back(any);
  EXPECT_GT(anys.size(), 100u);
  comprova_anys(anys);
}

TEST(EasterDate, SeededRandomYearsUpToTheIntMaximum) {
  std::mt19937 generador(20060416);
  std::uniform_int_distribution<int> anys_possibles(1583, 2147483647);
  std::vector<int> anys;
  for (int i = 0; i < 50; i++) anys.push_back(anys_possibles(generador));
  comprova_anys(anys);
}

TEST(EasterDate, YearsBeforeTheGregorianCalendar) {
  std::vector<prova::Cas> casos;
  for (const char *any : {"1582", "1000", "0", "-1", "-1000", "-2147483648"})
    casos.push_back({.nom = any,
                     .entrada = std::string(any) + "\n",
                     .sortida = pregunta + "L'any ha de ser 1583 o posterior (calendari gregoria)\n\n"});
  prova::comprova("easter-date", casos);
}

}  // namespace
