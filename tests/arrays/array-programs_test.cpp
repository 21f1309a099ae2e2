// The matrix and vector programs through pipes: prompts, silent re-asks,
// exact tables, float conversions and a refused allocation.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "programa.h"

namespace {

using prova::Cas;

const std::string files = "Fica les files, maxim 25: ", columnes = "Fica les columnes, maxim 79: ";

std::string cella(int columna, int fila) {
  return "Fica el valor per a la (" + std::to_string(columna) + ", " + std::to_string(fila) + "): ";
}

// The whole dialogue for a matrix given row by row, sums worked out in 64 bits.
std::string matriu_esperada(const std::vector<std::vector<long long>> &m) {
  std::string text = files + columnes;
  std::vector<long long> suma_columna(m[0].size());
  std::string taula = "\nFila\t\tSuma";
  for (std::size_t f = 0; f < m.size(); f++) {
    long long suma = 0;
    for (std::size_t c = 0; c < m[f].size(); c++) {
      text += cella(static_cast<int>(c), static_cast<int>(f));
      suma += m[f][c];
      suma_columna[c] += m[f][c];
    }
    taula += "\n" + std::to_string(f) + "\t\t" + std::to_string(suma);
  }
  taula += "\n\nColumna\t\tSuma";
  for (std::size_t c = 0; c < suma_columna.size(); c++)
    taula += "\n" + std::to_string(c) + "\t\t" + std::to_string(suma_columna[c]);
  return text + taula;
}

std::string entrada_de(const std::vector<std::vector<long long>> &m) {
  std::string text = std::to_string(m.size()) + "\n" + std::to_string(m[0].size()) + "\n";
  for (const auto &fila : m)
    for (long long x : fila) text += std::to_string(x) + "\n";
  return text;
}

TEST(MatrixSums, RowAndColumnSums) {
  std::mt19937 gen(5);
  std::vector<std::vector<long long>> gran(25, std::vector<long long>(79));
  for (auto &fila : gran)
    for (long long &x : fila) x = static_cast<long long>(gen() % 2001) - 1000;
  std::vector<std::vector<long long>> maxims(25, std::vector<long long>(79, 2147483647));
  std::vector<std::vector<long long>> minims(25, std::vector<long long>(79, -2147483648LL));
  std::vector<std::vector<long long>> u = {{-7}}, dos_per_tres = {{1, 2, 3}, {4, 5, 6}};
  prova::comprova(
      "matrix-sums",
      {
          {.nom = "1 x 1", .entrada = entrada_de(u), .sortida = matriu_esperada(u)},
          {.nom = "2 x 3, column index first",
           .entrada = entrada_de(dos_per_tres),
           .sortida = matriu_esperada(dos_per_tres)},
          {.nom = "25 x 79", .entrada = entrada_de(gran), .sortida = matriu_esperada(gran)},
          {.nom = "sums past 32 bits", .entrada = entrada_de(maxims), .sortida = matriu_esperada(maxims)},
          {.nom = "negative sums past 32 bits", .entrada = entrada_de(minims), .sortida = matriu_esperada(minims)},
      });
  EXPECT_NE(matriu_esperada(maxims).find("\n0\t\t169651208113\n"), std::string::npos);
}

TEST(MatrixSums, SilentReasksAndValuesOnOneLine) {
  prova::comprova("matrix-sums",
                  {
                      {.nom = "rows and columns out of range",
                       .entrada = "0\n26\n-1\n2147483647\nx\n1\n0\n80\n-5\n100\ny\n2\n4 5\n",
                       .sortida = files + files + files + files + files + files + columnes + columnes + columnes +
                                  columnes + columnes + columnes + cella(0, 0) + cella(1, 0) +
                                  "\nFila\t\tSuma\n0\t\t9\n\nColumna\t\tSuma\n0\t\t4\n1\t\t5"},
                      {.nom = "rows and columns on one line",
                       .entrada = "2 2\n1 2 3 4\n",
                       .sortida = matriu_esperada({{1, 2}, {3, 4}})},
                      {.nom = "a non-number cell is asked again",
                       .entrada = "1\n2\n5\nabc\n\n 6 \n",
                       .sortida = files + columnes + cella(0, 0) + cella(1, 0) + cella(1, 0) +
                                  "\nFila\t\tSuma\n0\t\t11\n\nColumna\t\tSuma\n0\t\t5\n1\t\t6"},
                      {.nom = "a value too large for int is not a number",
                       .entrada = "1\n1\n2147483648\n3\n",
                       .sortida = files + columnes + cella(0, 0) + cella(0, 0) +
                                  "\nFila\t\tSuma\n0\t\t3\n\nColumna\t\tSuma\n0\t\t3"},
                      {.nom = "end of input at the rows", .entrada = "0\n", .sortida = files + files},
                      {.nom = "end of input at the columns", .entrada = "3\n", .sortida = files + columnes},
                      {.nom = "end of input at a cell",
                       .entrada = "2\n2\n1\n2\n3\n",
                       .sortida = files + columnes + cella(0, 0) + cella(1, 0) + cella(0, 1) + cella(1, 1)},
                  });
}

// Ten rows of ten numbers in "%4d".
std::string taula(int (*valor)(int, int)) {
  std::string text;
  char camp[8];
  for (int x = 0; x < 10; x++) {
    for (int y = 0; y < 10; y++) {
      std::snprintf(camp, sizeof camp, "%4d", valor(x, y));
      text += camp;
    }
    text += "\n";
  }
  return text;
}

TEST(Tables, MultiplicationAndHundredGrid) {
  std::string producte = taula([](int x, int y) { return (x + 1) * (y + 1); });
  std::string cent = taula([](int x, int y) { return x * 10 + y + 1; });
  EXPECT_EQ(producte.substr(0, 41), "   1   2   3   4   5   6   7   8   9  10\n");
  EXPECT_EQ(cent.substr(cent.size() - 41), "  91  92  93  94  95  96  97  98  99 100\n");
  prova::comprova("multiplication-table", {{.nom = "no input", .entrada = "", .sortida = producte},
                                           {.nom = "input is ignored", .entrada = "5\n", .sortida = producte}});
  prova::comprova("hundred-grid", {{.nom = "no input", .entrada = "", .sortida = cent},
                                   {.nom = "input is ignored", .entrada = "5\n", .sortida = cent}});
}

const std::string dimensio = "Introdueix la dimensio per al vector: ", valor = "Fica un valor: ", adeu = "\n\nAdeu!";

// "Valor: %f\n" of each text as the C library reads it into a float.
std::string valors(const std::vector<std::string> &textos) {
  std::string text;
  char linia[400];
  for (const auto &t : textos) {
    std::snprintf(linia, sizeof linia, "Valor: %f\n", static_cast<double>(std::strtof(t.c_str(), nullptr)));
    text += linia;
  }
  return text;
}

TEST(FloatVector, SinglePrecisionValues) {
  std::vector<std::string> textos = {"16777217", "123456.789", "3.4e38", "2.5e-7", "1.5", "-2",
                                     "1e400",    "-inf",       "0x1p-3", "1e3",    "0.1", "-0"};
  std::string entrada = std::to_string(textos.size()) + "\n", preguntes;
  for (const auto &t : textos) entrada += t + "\n", preguntes += valor;
  EXPECT_EQ(valors({"16777217", "123456.789", "3.4e38", "2.5e-7", "1e400"}),
            "Valor: 16777216.000000\nValor: 123456.789062\n"
            "Valor: 339999995214436424907732413799364296704.000000\nValor: 0.000000\nValor: inf\n");
  prova::comprova("float-vector",
                  {
                      {.nom = "the Part's values and the C library's forms",
                       .entrada = entrada,
                       .sortida = dimensio + preguntes + valors(textos) + adeu},
                      {.nom = "1.5 and -2",
                       .entrada = "2\n1.5\n-2\n",
                       .sortida = dimensio + valor + valor + "Valor: 1.500000\nValor: -2.000000\n" + adeu},
                      {.nom = "values on one line",
                       .entrada = "3 1 2 3\n",
                       .sortida = dimensio + valor + valor + valor + valors({"1", "2", "3"}) + adeu},
                  });
}

TEST(FloatVector, SizesNonNumbersAndTheEndOfInput) {
  prova::comprova(
      "float-vector",
      {
          {.nom = "dim 0", .entrada = "0\n", .sortida = dimensio + adeu},
          {.nom = "negative dim", .entrada = "-3\n", .sortida = dimensio + adeu},
          {.nom = "the smallest int", .entrada = "-2147483648\n", .sortida = dimensio + adeu},
          {.nom = "a non-number dim is asked again",
           .entrada = "dos\n2147483648\n1\n4\n",
           .sortida = dimensio + dimensio + dimensio + valor + valors({"4"}) + adeu},
          {.nom = "a non-number value is asked again",
           .entrada = "1\nabc\n\n  8.25\n",
           .sortida = dimensio + valor + valor + valors({"8.25"}) + adeu},
          {.nom = "end of input at the dim", .entrada = "", .sortida = dimensio},
          {.nom = "end of input at a value: nothing unset is shown",
           .entrada = "3\n1\n2\n",
           .sortida = dimensio + valor + valor + valor},
          {.nom = "end of input after a refused value", .entrada = "2\nx\n", .sortida = dimensio + valor + valor},
      });
}

// A block the address space cannot hold: the program says so and ends with
// status 1. The sanitizers reserve far more address space than the limit
// leaves, so this runs in the plain build only.
TEST(HeapPrograms, AFailedAllocationIsReported) {
  if (prova::sanititzat("pointer-vector")) GTEST_SKIP() << "address-space limit not usable under AddressSanitizer";
  auto amb_limit = [](const std::string &programa) {
    return std::vector<std::string> {"-c", "ulimit -v 262144 && exec " + prova::cami_programa(programa)};
  };
  prova::comprova("/bin/sh", {
                                 {.nom = "pointer-vector",
                                  .entrada = "2000000000\n",
                                  .sortida = "Fica la dimensio: \nNo hi ha prou memoria!",
                                  .estat = 1,
                                  .arguments = amb_limit("pointer-vector")},
                                 {.nom = "float-vector",
                                  .entrada = "2000000000\n",
                                  .sortida = dimensio + "\nNo hi ha prou memoria!" + adeu,
                                  .estat = 1,
                                  .arguments = amb_limit("float-vector")},
                                 {.nom = "pointer-vector, a size that fits",
                                  .entrada = "0\n",
                                  .sortida = "Fica la dimensio: ",
                                  .arguments = amb_limit("pointer-vector")},
                             });
}

}  // namespace
