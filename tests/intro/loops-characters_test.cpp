// The three character loops through pipes: what each counts or echoes, where
// it stops, and the end of input standing for the end of the line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "indicacions.h"
#include "programa.h"

namespace {

using prova::Cas;

std::string introduits(long n) { return "\nCaracters introduis: " + std::to_string(n); }

// Every byte but the line feed, bytes 128 to 255 included.
std::string tots_els_bytes() {
  std::string r;
  for (int b = 0; b < 256; b++)
    if (b != '\n') r.push_back(static_cast<char>(b));
  return r;
}

TEST(CharCount, BytesBeforeTheFirstLineFeed) {
  prova::comprova(
      "char-count",
      {
          {.nom = "hola", .entrada = "hola\n", .sortida = caracter + introduits(4)},
          {.nom = "Enter alone", .entrada = "\n", .sortida = caracter + introduits(0)},
          {.nom = "blanks and tabs count", .entrada = " \t a\t \n", .sortida = caracter + introduits(6)},
          {.nom = "every other byte", .entrada = tots_els_bytes() + "\n", .sortida = caracter + introduits(255)},
          {.nom = "200 characters", .entrada = std::string(200, 'x') + "\n", .sortida = caracter + introduits(200)},
          {.nom = "10000 characters",
           .entrada = std::string(10000, 'x') + "\n",
           .sortida = caracter + introduits(10000)},
          {.nom = "a second line is not read", .entrada = "ab\ncdef\n", .sortida = caracter + introduits(2)},
          {.nom = "hola without a line feed", .entrada = "hola", .sortida = caracter + introduits(4)},
          {.nom = "no input", .entrada = "", .sortida = caracter + introduits(0)},
      });
}

TEST(PromptedCharCount, OnePromptPerLineUntilAnEmptyOne) {
  prova::comprova("prompted-char-count",
                  {
                      {.nom = "three lines and an empty one",
                       .entrada = "a\nbcd\n efg\n\n",
                       .sortida = caracter + caracter + caracter + caracter + introduits(3)},
                      {.nom = "an empty line at once", .entrada = "\n", .sortida = caracter + introduits(0)},
                      {.nom = "lines after the empty line are not read",
                       .entrada = "a\n\nb\nc\n\n",
                       .sortida = caracter + caracter + introduits(1)},
                      {.nom = "a long line is one character",
                       .entrada = std::string(10000, 'z') + "\n\n",
                       .sortida = caracter + caracter + introduits(1)},
                      {.nom = "end of input ends as an empty line",
                       .entrada = "a\nb\n",
                       .sortida = caracter + caracter + caracter + introduits(2)},
                      {.nom = "a last line without its line feed",
                       .entrada = "a\nbc",
                       .sortida = caracter + caracter + caracter + introduits(2)},
                      {.nom = "no input", .entrada = "", .sortida = caracter + introduits(0)},
                  });
}

TEST(CaseSwap, OnlyTheLettersWithTheirCaseSwapped) {
  const std::string frase = "\nIntrodueix una frase: ";
  std::string alfabets, girats;
  for (char c = 'A'; c <= 'Z'; c++) alfabets += std::string(1, c) + static_cast<char>(c + 32);
  for (char c = 'a'; c <= 'z'; c++) girats += std::string(1, c) + static_cast<char>(c - 32);
  prova::comprova("case-swap",
                  {
                      {.nom = "Hola Mon!", .entrada = "Hola Mon!\n", .sortida = frase + "hOLAmON"},
                      {.nom = "digits: nothing", .entrada = "0123456789\n", .sortida = frase},
                      {.nom = "both alphabets", .entrada = alfabets + "\n", .sortida = frase + girats},
                      {.nom = "the bytes next to the letters are not letters",
                       .entrada = "@[`{\xC1\xE1\xC0\xE0\t\n",
                       .sortida = frase},
                      {.nom = "every other byte: only the letters",
                       .entrada = tots_els_bytes() + "\n",
                       .sortida = frase + "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"},
                      {.nom = "it stops at the first line feed", .entrada = "ab\ncd\n", .sortida = frase + "AB"},
                      {.nom = "Hola without a line feed", .entrada = "Hola", .sortida = frase + "hOLA"},
                      {.nom = "an empty line", .entrada = "\n", .sortida = frase},
                      {.nom = "no input", .entrada = "", .sortida = frase},
                  });
}

}  // namespace
