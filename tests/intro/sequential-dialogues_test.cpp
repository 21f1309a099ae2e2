// The sequential calculation programs through pipes: their dialogues, results and messages byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "indicacions.h"
#include "programa.h"

namespace {

using prova::Cas;

TEST(SecondsBreakdown, CascadeOfTruncatingDivisions) {
  const std::string p = "\n\nFica un numero de segons: ";
  auto r = [&](const std::string &s, int w, int d, int h, int m, int sec) {
    return p + "\n\nLa quantitat de " + s + " segons es desglosa aixi:\n" + std::to_string(w) + " setmanes\n" +
           std::to_string(d) + " dies\n" + std::to_string(h) + " hores\n" + std::to_string(m) + " minuts\n" +
           std::to_string(sec) + " segons\n\n" + tecla;
  };
  std::vector<Cas> casos;
  for (auto [s, w, d, h, m, sec] :
       std::vector<std::tuple<const char *, int, int, int, int, int>> {{"1000000", 1, 4, 13, 46, 40},
                                                                       {"-1000000", -1, -4, -13, -46, -40},
                                                                       {"0", 0, 0, 0, 0, 0},
                                                                       {"59", 0, 0, 0, 0, 59},
                                                                       {"604800", 1, 0, 0, 0, 0},
                                                                       {"2147483647", 3550, 5, 3, 14, 7},
                                                                       {"-2147483648", -3550, -5, -3, -14, -8}})
    casos.push_back({.nom = s, .entrada = std::string(s) + "\n", .sortida = r(s, w, d, h, m, sec)});
  prova::comprova("seconds-breakdown", casos);
}

TEST(CelsiusFahrenheit, SinglePrecisionAndTheDegreeByte) {
  const std::string p = "\n\nIntroduce els graus celsius: ";
  auto r = [&](const char *f) {
    return p + "\nSon: " + f +
           "\xF8"
           "F\n" +
           tecla;
  };
  prova::comprova("celsius-fahrenheit",
                  {
                      {.nom = "0", .entrada = "0\n", .sortida = r("32.00")},
                      {.nom = "100", .entrada = "100\n", .sortida = r("212.00")},
                      {.nom = "37", .entrada = "37\n", .sortida = r("98.60")},
                      {.nom = "-40", .entrada = "-40\n", .sortida = r("-40.00")},
                      {.nom = "infinity as printf shows it", .entrada = "inf\n", .sortida = r("inf")},
                  });
}

TEST(RectangleArea, ProductOfTwoFloats) {
  const std::string p = "\n\nFica la longitud i la amplaria: ";
  auto r = [&](const char *a) { return p + "\nLa superficie es de: " + a + "\n\n" + tecla; };
  prova::comprova(
      "rectangle-area",
      {
          {.nom = "3 by 4", .entrada = "3 4\n", .sortida = r("12.00")},
          {.nom = "values on two lines", .entrada = "\n2.5\n4\n", .sortida = r("10.00")},
          {.nom = "a second value that is not a number", .entrada = "40 abc\n2 3\n", .sortida = p + r("6.00")},
      });
}

TEST(DiscountPercent, TruncatedTowardZeroOrSaidWhyNot) {
  const std::string p = "\n\nIntrodueix el preu real: \nIntrodueix el preu pagar: ";
  auto r = [&](const std::string &linia) { return p + linia + "Fin\n"; };
  auto percentatge = [&](const char *x) { return r(std::string("\nEl descompte es del: ") + x + "%\n\n"); };
  const std::string zero = r("\nEl preu real no pot ser 0\n\n"), no_es_pot = r("\nEl descompte no es pot calcular\n\n");
  std::vector<Cas> casos;
  for (auto [real, pagat, sortida] :
       std::vector<std::tuple<const char *, const char *, std::string>> {{"100", "80", percentatge("20")},
                                                                         {"3", "2", percentatge("33")},
                                                                         {"3", "4", percentatge("-33")},
                                                                         {"100", "120", percentatge("-20")},
                                                                         {"80", "0", percentatge("100")},
                                                                         {"50", "50", percentatge("0")},
                                                                         {"-100", "-80", percentatge("20")},
                                                                         {"0", "5", zero},
                                                                         {"-0", "0", zero},
                                                                         {"inf", "1", no_es_pot},
                                                                         {"nan", "1", no_es_pot},
                                                                         {"0.000001", "100000000", no_es_pot},
                                                                         {"1", "-inf", no_es_pot}})
    casos.push_back({.nom = std::string(real) + " and " + pagat,
                     .entrada = std::string(real) + "\n" + pagat + "\n",
                     .sortida = sortida});
  prova::comprova("discount-percent", casos);
}

TEST(PolygonArea, HalfThePerimeterTimesTheApothem) {
  const std::string p = "\n\nIntroduce el perimetre i l'apotegma (separats per espai): ";
  prova::comprova(
      "polygon-area",
      {
          {.nom = "30 and 4.33", .entrada = "30 4.33\n", .sortida = p + "\nArea del poligon: 64.95\n" + tecla},
          {.nom = "10 and 4", .entrada = "10 4\n", .sortida = p + "\nArea del poligon: 20.00\n" + tecla},
      });
}

TEST(FixedValuePrograms, PrintTheirLinesAndPause) {
  prova::comprova("swap-values",
                  {{.nom = "2 and 1", .entrada = "", .sortida = "\n\nLa a es: 2\n...i la b es: 1\n\n" + tecla}});
  prova::comprova("float-truncation", {{.nom = "x widened to double truncates to 23",
                                        .entrada = "",
                                        .sortida = "x=0.24\nn1=23\nn2=24\nx=0.2399999946355819702148438" + tecla}});
  prova::comprova("real-arithmetic", {{.nom = "45.13, 0.61 and 5",
                                       .entrada = "",
                                       .sortida = "\nProducte de a (5.23) i b (8.63): 45.13\n"
                                                  "Quocient de a (5.23) entre b (8.63): 0.61\n"
                                                  "Residu de a (5.23) entre b (8.63): 5\n\n" +
                                                  tecla}});
}

TEST(AgeCheck, VerdictFromTheTwoDates) {
  const std::string naixement = "\n\nIntrodueix una data de naixement en format dd/mm/aa (ex: 03/01/1994): ",
                    actual = "\n\nIntrodueix una data actual en format dd/mm/aa (ex: 08/03/2006): ";
  auto r = [&](const char *veredicte) { return naixement + actual + "\n\nEs " + veredicte + " d'edat"; };
  std::vector<Cas> casos = {
      {.nom = "born later in the year",
       .entrada = "1/1/2007\n8/3/2006\n",
       .sortida = naixement + actual + "\n\nEs impossible"},
      {.nom = "malformed dates are asked again",
       .entrada = "abc\n1/1\n8/3/1988\n8-3-2006\n8/3/2006\n",
       .sortida = naixement + naixement + naixement + actual + actual + "\n\nEs major d'edat"},
  };
  for (auto [dates, veredicte] :
       std::vector<std::pair<const char *, const char *>> {{"8/3/1988 8/3/2006", "major"},
                                                           {"9/3/1988 8/3/2006", "menor"},
                                                           {"7/3/1988 8/3/2006", "major"},
                                                           {"8/2/1988 8/3/2006", "major"},
                                                           {"8/4/1988 8/3/2006", "menor"},
                                                           {"31/12/1987 8/3/2006", "major"},
                                                           {"1/1/1989 8/3/2006", "menor"},
                                                           {"1/12/2006 8/3/2006", "menor"},
                                                           {"8/3/2006 8/3/2006", "menor"},
                                                           {"1/1/-2147483648 1/1/-2147483648", "menor"},
                                                           {"1/1/-2147483648 1/1/-2147483631", "menor"},
                                                           {"1/1/-2147483648 1/1/-2147483630", "major"},
                                                           {"2/1/-2147483648 1/1/-2147483630", "menor"},
                                                           {"1/1/2147483629 1/1/2147483647", "major"}}) {
    std::string entrada = dates;
    entrada[entrada.find(' ')] = '\n';
    casos.push_back({.nom = dates, .entrada = entrada + "\n", .sortida = r(veredicte)});
  }
  prova::comprova("age-check", casos);
}

TEST(AreaMenu, EveryCharacterIsOneChoice) {
  const std::string rectangle = "\n\nIntrodueix els dos costats del rectangle (separats per espai): ",
                    triangle = "\n\nIntrodueix la base i la altura del triangle (separades per espai): ",
                    cercle = "\n\nIntrodueix el radi del circle: ";
  auto menus = [](int n) {
    std::string r = menu;
    for (int i = 1; i < n; i++) r += "\f" + menu;
    return r;
  };
  prova::comprova(
      "area-menu",
      {
          {.nom = "rectangle", .entrada = "1\n3 4\n", .sortida = menu + rectangle + "...l'area es: 12.00"},
          {.nom = "choice and sides on one line",
           .entrada = "1 2.5 2\n",
           .sortida = menu + rectangle + "...l'area es: 5.00"},
          {.nom = "triangle", .entrada = "2\n3 4\n", .sortida = menu + triangle + "...l'area es: 6.00"},
          {.nom = "circle of radius 1", .entrada = "3\n1\n", .sortida = menu + cercle + "...l'area es: 3.14"},
          {.nom = "circle of radius 2", .entrada = "3\n2\n", .sortida = menu + cercle + "...l'area es: 12.57"},
          {.nom = "circle of radius 0.5", .entrada = "3\n0.5\n", .sortida = menu + cercle + "...l'area es: 0.79"},
          {.nom = "4 ends at once", .entrada = "4\n", .sortida = menu},
          {.nom = "x and its line feed", .entrada = "x\n4\n", .sortida = menus(3)},
          {.nom = "5, 0 and their line feeds", .entrada = "5\n0\n4\n", .sortida = menus(5)},
          {.nom = "xy and its line feed", .entrada = "xy\n4\n", .sortida = menus(4)},
          {.nom = "a blank is a choice too",
           .entrada = " 2\n3 4\n",
           .sortida = menus(2) + triangle + "...l'area es: 6.00"},
          {.nom = "a formula reply that is not a number",
           .entrada = "2\nabc\n3 4\n",
           .sortida = menu + triangle + triangle + "...l'area es: 6.00"},
          {.nom = "end of input after invalid choices", .entrada = "x", .sortida = menus(2)},
      });
}

TEST(QuadraticRoots, TheFormulaOrWhyItHasNoRealRoots) {
  const std::string titol = "\n\nCalcula el valor de X en una equacio tipus ax^2+bx+c",
                    pregunta = "\n\nIntrodueix a, b i c (separats per espai): ";
  auto r = [&](const std::string &linia) { return titol + pregunta + "\n" + linia + "\n\n"; };
  auto arrels = [&](const char *x1, const char *x2) {
    return r(std::string("Les solucions son X1=") + x1 + " i X2=" + x2);
  };
  std::vector<Cas> casos = {
      {.nom = "asked again without the title",
       .entrada = "1 -3\nabc\n1 -3 2\n",
       .sortida = titol + pregunta + pregunta + "\nLes solucions son X1=2.00 i X2=1.00\n\n"},
  };
  for (auto [abc, sortida] : std::vector<std::pair<const char *, std::string>> {
           {"1 -3 2", arrels("2.00", "1.00")},
           {"2 -6 4", arrels("2.00", "1.00")},
           {"-1 3 -2", arrels("1.00", "2.00")},
           {"1 2 1", arrels("-1.00", "-1.00")},
           {"4 -1 -3", arrels("1.00", "-0.75")},
           {"1 0 0", arrels("0.00", "-0.00")},
           {"nan 1 1", arrels("nan", "nan")},
           {"0 1 1", r("No es una equacio de segon grau: a no pot ser 0")},
           {"0 0 0", r("No es una equacio de segon grau: a no pot ser 0")},
           {"1 0 1", r("L'equacio no te solucions reals")},
           {"-2 1 -3", r("L'equacio no te solucions reals")}})
    casos.push_back({.nom = abc, .entrada = std::string(abc) + "\n", .sortida = sortida});
  prova::comprova("quadratic-roots", casos);
}

TEST(LetterCase, OnlyTheEnglishLettersAreLetters) {
  const std::string p = "\n\nIntrodueix un caracter: \n";
  const std::string majuscula = p + "Lletra mayuscula\n\n", minuscula = p + "Lletra minuscula\n\n",
                    altre = p + "No es una lletra del alfabet angles.\n\n";
  std::vector<Cas> casos = {{.nom = "end of input", .entrada = "", .sortida = "\n\nIntrodueix un caracter: "}};
  for (auto [linia, sortida] : std::vector<std::pair<std::string, std::string>> {
           {"Q", majuscula},  {"q", minuscula}, {"5", altre},     {"#", altre},    {"A", majuscula},
           {"Z", majuscula},  {"a", minuscula}, {"z", minuscula}, {"@", altre},    {"[", altre},
           {"`", altre},      {"{", altre},     {" q", altre},    {"", altre},     {"\t", altre},
           {"ab", minuscula}, {"\xE9", altre},  {"\x80", altre},  {"\xFF", altre}, {"\xC1", altre}})
    casos.push_back({.nom = prova::visible(linia), .entrada = linia + "\n", .sortida = sortida});
  casos.push_back({.nom = "no line feed", .entrada = "Q", .sortida = majuscula});
  prova::comprova("letter-case", casos);
}

TEST(WeeklyWage, OvertimeAndTheDeductionInSinglePrecision) {
  const std::string p = "\n\nIntrodueix les hores treballades i el preu per hora (separades per espai): ";
  auto r = [&](const char *salari) { return p + "\nEl salari es de: " + salari + "\n\n"; };
  std::vector<Cas> casos = {
      {.nom = "values on two lines", .entrada = "40\n4.0\n", .sortida = r("149.40")},
      {.nom = "a price that is not a number", .entrada = "40 abc\n40 4\n", .sortida = p + r("149.40")},
  };
  for (auto [entrada, salari] : std::vector<std::pair<const char *, const char *>> {{"40 4.0", "149.40"},
                                                                                    {"37 4.0", "148.00"},
                                                                                    {"-2 4", "0.00"},
                                                                                    {"37 5.0", "166.50"},
                                                                                    {"0 10", "0.00"},
                                                                                    {"45 3.25", "143.32"},
                                                                                    {"10 15", "150.00"},
                                                                                    {"1 151", "135.90"},
                                                                                    {"38 1", "38.50"},
                                                                                    {"-2147483648 9", "0.00"},
                                                                                    {"2147483647 1", "2899102976.00"}})
    casos.push_back({.nom = entrada, .entrada = std::string(entrada) + "\n", .sortida = r(salari)});
  prova::comprova("weekly-wage", casos);
}

}  // namespace
