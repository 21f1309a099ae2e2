// The number programs through pipes: dialogues, results, re-asks and the end of input.
#include <gtest/gtest.h>

#include <bitset>
#include <charconv>
#include <cstdint>
#include <string>

#include "programa.h"

namespace {

using prova::Cas;

TEST(NumberToolkit, TheThreeTriples) {
  prova::comprova(
      "number-toolkit",
      {{.nom = "no input", .entrada = "", .sortida = "1 i 4 i 8 => SI\n2 i 3 i 6 => SI\n2 i 6 i 9 => SI\n"}});
}

// What the converter prints for n, worked out with the standard library.
std::string en_binari(int n) {
  std::string bits = std::bitset<32>(static_cast<unsigned>(n)).to_string();
  bits.erase(0, bits.find_first_not_of('0') == std::string::npos ? 31 : bits.find_first_not_of('0'));
  std::uint32_t com_a_decimal = 0;  // the digits read as a decimal number, 32-bit
  for (char c : bits) com_a_decimal = com_a_decimal * 10u + static_cast<std::uint32_t>(c - '0');
  return "Fica un numero decimal i enter: El numero decimal " + std::to_string(n) + " es: " + bits + " en binari.\n" +
         bits + " en binari.\n " + std::to_string(static_cast<std::int32_t>(com_a_decimal)) + " en binari.\n";
}

TEST(BinaryConverter, ThreeFormsAgainstAnIndependentConverter) {
  std::vector<Cas> casos = {
      {.nom = "negative and non-numbers are asked again",
       .entrada = "-1\nabc\n6\n",
       .sortida = "Fica un numero decimal i enter: Fica un numero decimal i enter: " + en_binari(6)},
      {.nom = "end of input",
       .entrada = "-1\n",
       .sortida = "Fica un numero decimal i enter: "
                  "Fica un numero decimal i enter: "},
  };
  for (int n : {0, 1, 2, 6, 255, 1023, 1024, 5000, 65535, 2147483647})
    casos.push_back({.nom = std::to_string(n), .entrada = std::to_string(n) + "\n", .sortida = en_binari(n)});
  prova::comprova("binary-converter", casos);
}

TEST(PowerTariff, TheThreeTiers) {
  const std::string pregunta = "\nIntrodueix els kw consumits: ";
  std::vector<Cas> casos;
  for (auto [kw, total] : std::vector<std::pair<const char *, const char *>> {{"0", "0"},
                                                                              {"100", "60"},
                                                                              {"599", "359.4"},
                                                                              {"600", "360"},
                                                                              {"700", "390"},
                                                                              {"899", "449.7"},
                                                                              {"900", "450"},
                                                                              {"1000", "460"},
                                                                              {"-10", "-6"}})
    casos.push_back({.nom = kw, .entrada = std::string(kw) + "\n", .sortida = pregunta + "\nEl total es: " + total});
  casos.push_back({.nom = "a non-number is asked again",
                   .entrada = "molts\n100\n",
                   .sortida = pregunta + pregunta + "\nEl total es: 60"});
  casos.push_back({.nom = "end of input", .entrada = "", .sortida = pregunta});
  prova::comprova("power-tariff", casos);
}

TEST(BinomialRecursive, PascalsRuleAndItsQuestions) {
  const std::string n = "Fica el valor de n: ", m = "Fica el valor de m: ";
  prova::comprova("binomial-recursive",
                  {
                      {.nom = "5 over 2", .entrada = "5\n2\n", .sortida = n + m + "El combinatori 5 sobre 2 es: 10"},
                      {.nom = "n = m", .entrada = "7\n7\n", .sortida = n + m + "El combinatori 7 sobre 7 es: 1"},
                      {.nom = "n < m goes back to n",
                       .entrada = "3\n5\n5\n3\n",
                       .sortida = n + m + n + m + "El combinatori 5 sobre 3 es: 10"},
                      {.nom = "zero, negatives and non-numbers",
                       .entrada = "0\n-2\nx\n4\n0\n2\n",
                       .sortida = n + n + n + n + m + m + "El combinatori 4 sobre 2 es: 6"},
                      {.nom = "short recursions come whatever n is",
                       .entrada = "100\n1\n",
                       .sortida = n + m + "El combinatori 100 sobre 1 es: 100"},
                      {.nom = "and close to n",
                       .entrada = "65535\n65534\n",
                       .sortida = n + m + "El combinatori 65535 sobre 65534 es: 65535"},
                      {.nom = "more than 10^8 calls goes back to n",
                       .entrada = "30\n15\n29\n14\n30\n5\n",
                       .sortida = n + m + n + m + n + m + "El combinatori 30 sobre 5 es: 142506"},
                      {.nom = "27 over 13: 40116599 calls, within the bound",
                       .entrada = "27\n13\n",
                       .sortida = n + m + "El combinatori 27 sobre 13 es: 20058300"},
                      {.nom = "n beyond the recursion's depth is asked again",
                       .entrada = "65536\n2147483647\n3\n1\n",
                       .sortida = n + n + n + m + "El combinatori 3 sobre 1 es: 3"},
                      {.nom = "end of input at m", .entrada = "4\n", .sortida = n + m},
                  });
}

TEST(BaseConverter, AnyBaseFrom2To36) {
  auto resposta = [](int valor, int base) {
    char digits[40];
    auto fi = std::to_chars(digits, digits + sizeof digits, valor, base).ptr;
    std::string text(digits, fi);
    for (char &c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return "Fica un numero decimal i enter: Fica una base entre 2 i 36: El numero decimal " + std::to_string(valor) +
           " es: " + text + " en base " + std::to_string(base) + ".";
  };
  std::vector<Cas> casos = {
      {.nom = "base 1 and 37 are asked again",
       .entrada = "10\n1\n37\nx\n2\n",
       .sortida = "Fica un numero decimal i enter: Fica una base entre 2 i 36: Fica una base entre 2 i 36: "
                  "Fica una base entre 2 i 36: Fica una base entre 2 i 36: El numero decimal 10 es: 1010 en base 2."},
      {.nom = "end of input at the base",
       .entrada = "10\n",
       .sortida = "Fica un numero decimal i enter: Fica una base entre 2 i 36: "},
  };
  for (auto [valor, base] : std::vector<std::pair<int, int>> {
           {255, 16}, {35, 36}, {0, 7}, {0, 2}, {36, 36}, {2147483647, 36}, {2147483647, 2}, {123456, 10}, {99, 9}})
    casos.push_back({.nom = std::to_string(valor) + " in base " + std::to_string(base),
                     .entrada = std::to_string(valor) + "\n" + std::to_string(base) + "\n",
                     .sortida = resposta(valor, base)});
  prova::comprova("base-converter", casos);
  EXPECT_EQ(resposta(255, 16).substr(resposta(255, 16).size() - 14), "FF en base 16.");
}

TEST(GcdCalculator, PositiveNumbersOnly) {
  const std::string p = "\n\nFica dos nombres enters (separats per espai): ";
  prova::comprova("gcd-calculator", {
                                        {.nom = "12 and 18", .entrada = "12 18\n", .sortida = p + "\n...el mcd es 6"},
                                        {.nom = "equal numbers", .entrada = "7 7\n", .sortida = p + "\n...el mcd es 7"},
                                        {.nom = "zero and negatives are asked again",
                                         .entrada = "0 5\n-4 6\n4 -6\n9 0\n1 9\n",
                                         .sortida = p + p + p + p + p + "\n...el mcd es 1"},
                                        {.nom = "non-numbers are asked again",
                                         .entrada = "a b\n12 x\n270 192\n",
                                         .sortida = p + p + p + "\n...el mcd es 6"},
                                        {.nom = "end of input", .entrada = "0 0\n", .sortida = p + p},
                                    });
}

TEST(MaxMin, ThroughPointers) {
  const std::string p = "\nEscriu dos nombres, separats per espai: ";
  auto resultat = [](int max, int min) {
    return "El m\xE0xim es: " + std::to_string(max) + ", i el minim es: " + std::to_string(min) + "\n";
  };
  prova::comprova(
      "max-min",
      {
          {.nom = "4 and 9", .entrada = "4 9\n", .sortida = p + resultat(9, 4)},
          {.nom = "9 and 4", .entrada = "9 4\n", .sortida = p + resultat(9, 4)},
          {.nom = "7 and 7", .entrada = "7 7\n", .sortida = p + resultat(7, 7)},
          {.nom = "negatives", .entrada = "-3 -8\n", .sortida = p + resultat(-3, -8)},
          {.nom = "a non-number is asked again", .entrada = "dos tres\n2 3\n", .sortida = p + p + resultat(3, 2)},
          {.nom = "end of input", .entrada = "5", .sortida = p},
      });
}

TEST(IntegerPower, EveryStepTruncates) {
  const std::string b = "Fica la base: ", e = "Fica l'exponent: ";
  auto r = [&](const char *base, int exp, long long valor) {
    return b + e + "El numero " + base + " elevat a " + std::to_string(exp) + " es: " + std::to_string(valor);
  };
  prova::comprova(
      "integer-power",
      {
          {.nom = "2 to the 10th", .entrada = "2\n10\n", .sortida = r("2", 10, 1024)},
          {.nom = "2.5 squared", .entrada = "2.5\n2\n", .sortida = r("2.5", 2, 5)},
          {.nom = "2.5 cubed", .entrada = "2.5\n3\n", .sortida = r("2.5", 3, 12)},
          {.nom = "0.5 to the 1st", .entrada = "0.5\n1\n", .sortida = r("0.5", 1, 0)},
          {.nom = "exponent 0", .entrada = "123.75\n0\n", .sortida = r("123.75", 0, 1)},
          {.nom = "past 32 bits the result wraps", .entrada = "2\n31\n", .sortida = r("2", 31, -2147483648LL)},
          {.nom = "2 to the 32nd wraps to 0", .entrada = "2\n32\n", .sortida = r("2", 32, 0)},
          {.nom = "1 to a large exponent", .entrada = "1\n10000\n", .sortida = r("1", 10000, 1)},
          {.nom = "an infinite base gives 0", .entrada = "inf\n1\n", .sortida = r("inf", 1, 0)},
          {.nom = "a huge exponent is asked again",
           .entrada = "2\n99999999999\n3\n",
           .sortida = b + e + e + "El numero 2 elevat a 3 es: 8"},
          {.nom = "negatives, too large and non-numbers are asked again",
           .entrada = "-2\nx\n3\n-1\n10001\ny\n2\n",
           .sortida = b + b + b + e + e + e + e + "El numero 3 elevat a 2 es: 9"},
          {.nom = "end of input", .entrada = "2\n", .sortida = b + e},
      });
}

TEST(DigitCount, DigitsOfTheNumber) {
  const std::string p = "\nIntrodueix un nombre: ";
  prova::comprova(
      "digit-count",
      {
          {.nom = "0", .entrada = "0\n", .sortida = p + "\nEl total es: 1"},
          {.nom = "-4500", .entrada = "-4500\n", .sortida = p + "\nEl total es: 4"},
          {.nom = "the largest int", .entrada = "2147483647\n", .sortida = p + "\nEl total es: 10"},
          {.nom = "a non-number is asked again", .entrada = "deu\n10\n", .sortida = p + p + "\nEl total es: 2"},
          {.nom = "end of input", .entrada = "", .sortida = p},
      });
}

TEST(NaturalSum, UpToTheLargestSumThatFits) {
  const std::string p = "Fica un numero tope: ";
  auto r = [](int n, long long suma) {
    return "La suma dels primers " + std::to_string(n) + " nombres naturals es: " + std::to_string(suma) + "\n";
  };
  prova::comprova("natural-sum", {
                                     {.nom = "1", .entrada = "1\n", .sortida = p + r(1, 1)},
                                     {.nom = "100", .entrada = "100\n", .sortida = p + r(100, 5050)},
                                     {.nom = "65535", .entrada = "65535\n", .sortida = p + r(65535, 2147450880LL)},
                                     {.nom = "0, negatives, above 65535 and non-numbers are asked again",
                                      .entrada = "0\n-5\n65536\n99999999999\nx\n3\n",
                                      .sortida = p + p + p + p + p + p + r(3, 6)},
                                     {.nom = "end of input", .entrada = "0\n", .sortida = p + p},
                                 });
}

TEST(SilentPrograms, PrintNothingAndEnd) {
  for (const char *programa : {"factorial-header-stub", "factorial-local-stub", "pointer-params"})
    prova::comprova(programa, {{.nom = "with input", .entrada = "1\n2\n", .sortida = ""},
                               {.nom = "without input", .entrada = "", .sortida = ""}});
}

}  // namespace
