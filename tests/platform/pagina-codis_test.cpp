// The console's code page on a UTF-8 terminal: the table against the C
// library's own converter, and what a person sees and types on a terminal.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "intern.h"
#include "programa.h"
#include "tecles.h"
#include "terminal.h"

namespace {

using prova::CarpetaTemporal;
using prova::Terminal;

std::string per_iconv(const std::string &bytes) {
  iconv_t c = iconv_open("UTF-8", "CP850");
  EXPECT_NE(c, reinterpret_cast<iconv_t>(-1));
  std::string entrada = bytes, sortida(16, '\0');
  char *in = entrada.data(), *out = sortida.data();
  std::size_t resta_in = entrada.size(), resta_out = sortida.size();
  EXPECT_NE(iconv(c, &in, &resta_in, &out, &resta_out), static_cast<std::size_t>(-1));
  iconv_close(c);
  sortida.resize(sortida.size() - resta_out);
  return sortida;
}

TEST(PaginaCodis, TheUpperHalfIsCodePage850AndRoundTrips) {
  for (int b = 128; b < 256; b++) {
    SCOPED_TRACE(b);
    std::string glif;
    plataforma::intern::afegeix_glif(static_cast<unsigned char>(b), glif);
    EXPECT_EQ(glif, per_iconv(std::string(1, static_cast<char>(b))));
    EXPECT_EQ(plataforma::intern::a_pagina_codis(glif.data(), glif.size()), std::string(1, static_cast<char>(b)));
  }
  // Plain text is unchanged; the lower half has no other byte.
  for (int b = 32; b < 127; b++) {
    std::string glif;
    plataforma::intern::afegeix_glif(static_cast<unsigned char>(b), glif);
    EXPECT_EQ(glif, std::string(1, static_cast<char>(b)));
  }
}

TEST(PaginaCodis, ControlBytesShowTheConsoleGlyphsAndTypedTextBecomesBytes) {
  auto glif = [](unsigned char b) {
    std::string g;
    plataforma::intern::afegeix_glif(b, g);
    return g;
  };
  EXPECT_EQ(glif(1), "☺");
  EXPECT_EQ(glif(16), "►");
  EXPECT_EQ(glif(27), "←");
  EXPECT_EQ(glif(127), "⌂");
  std::string nom = "Çèlia\n";
  EXPECT_EQ(plataforma::intern::a_pagina_codis(nom.data(), nom.size()),
            "\x80\x8A"
            "lia\n");
  std::string euro = "5€ ñ";  // the euro sign is not in the code page
  EXPECT_EQ(plataforma::intern::a_pagina_codis(euro.data(), euro.size()), "5? \xA4");
  std::string trencat = "a\xC3";  // a character cut short passes as it came
  EXPECT_EQ(plataforma::intern::a_pagina_codis(trencat.data(), trencat.size()), "a\xC3");
}

// A typed line and typed keys go through the same decoder: a sequence that
// is no character (overlong, surrogate, above U+10FFFF) is one "?", never
// the character it would spell.
TEST(PaginaCodis, TypedLinesAndKeysRefuseTheSameSequences) {
  auto linia = [](const std::string &bytes) { return plataforma::intern::a_pagina_codis(bytes.data(), bytes.size()); };
  EXPECT_EQ(linia("\xC0\xAE\xC0\xAE\xC0\xAF"), "???");  // not "../"
  EXPECT_EQ(linia("l\xC0\xA7ou"), "l?ou");              // not an apostrophe
  EXPECT_EQ(linia("\xE0\x80\x80"), "?");                // not a NUL
  EXPECT_EQ(linia("\xF0\x80\x81\x81"), "?");
  auto tecles = [](const std::string &bytes) {
    plataforma::DescodificadorTecles d;
    d.tradueix_caracters([](char32_t c) -> int {
      int b = plataforma::intern::byte_de(c);
      return b < 0 ? '?' : b;
    });
    for (unsigned char b : bytes) d.byte(b);
    std::string r;
    while (d.hi_ha_codi()) r.push_back(static_cast<char>(d.treu_codi()));
    return r;
  };
  // Every lead byte with continuation bytes of every kind: the same bytes.
  const unsigned char continuacions[] = {0x80, 0x81, 0x8F, 0x90, 0x9F, 0xA0, 0xA7, 0xAE, 0xBF};
  for (int lider = 0xC0; lider <= 0xF7; lider++)
    for (unsigned char c1 : continuacions)
      for (unsigned char c2 : continuacions) {
        std::string bytes {static_cast<char>(lider), static_cast<char>(c1), static_cast<char>(c2),
                           static_cast<char>(c2)};
        bytes.resize(static_cast<std::size_t>(lider < 0xE0 ? 2 : lider < 0xF0 ? 3 : 4));
        ASSERT_EQ(linia(bytes), tecles(bytes)) << lider << " " << int {c1} << " " << int {c2};
        ASSERT_EQ(linia(bytes).size(), 1u);
      }
}

TEST(PaginaCodisTerminal, ProgramsShowTheirCodePageCharacters) {
  CarpetaTemporal carpeta;
  {
    Terminal t("celsius-fahrenheit", carpeta.cami(), {}, {}, "C.UTF-8");
    ASSERT_TRUE(t.espera_text("celsius:"));
    t.escriu("100\r");
    ASSERT_TRUE(t.espera_text("212.00°F"));
    t.escriu(" ");
    EXPECT_EQ(t.espera_final(), 0);
  }
  {
    Terminal t("easter-date", carpeta.cami(), {}, {}, "C.UTF-8");
    ASSERT_TRUE(t.espera_text("any:"));
    t.escriu("2008\r");
    ASSERT_TRUE(t.espera_text("Març"));
    t.escriu(" ");
    EXPECT_EQ(t.espera_final(), 0);
  }
  {
    // In the C locale the byte stands as it is: no conversion.
    Terminal t("celsius-fahrenheit", carpeta.cami());
    ASSERT_TRUE(t.espera_text("celsius:"));
    t.escriu("100\r");
    ASSERT_TRUE(t.espera_text("212.00"));
    t.escriu(" ");
    EXPECT_EQ(t.espera_final(), 0);
    EXPECT_EQ(t.pantalla().find("°"), std::string::npos);
  }
}

TEST(PaginaCodisTerminal, ATypedNameIsStoredInTheCodePageAndListedAligned) {
  CarpetaTemporal carpeta;
  Terminal t("contact-book", carpeta.cami(), {}, {}, "C.UTF-8");
  ASSERT_TRUE(t.passos({{"Opcio:", "1\r"},
                        {"Fica el NOM del nou contacte:", "Çèlia\r"},
                        {"Fica el PRIMER COGNOM", "Pla\rPuig\r931234567\r"}}));
  ASSERT_TRUE(t.espera([&] { return t.fila(19) == "        Opcio:"; }));
  t.escriu("3\r");
  ASSERT_TRUE(t.espera_text("931234567"));
  EXPECT_EQ(t.fila(22), "  0 Çèlia           Pla             Puig            931234567");
  t.escriu("x");
  ASSERT_TRUE(t.espera([&] { return t.pantalla().find("931234567") == std::string::npos; }));
  t.escriu("0\r");
  ASSERT_TRUE(t.passos({{"Fixter guardat!", " "}, {"Adeu!", " "}}));
  EXPECT_EQ(t.espera_final(), 0);
  // The record starts with its 4-byte number, then the name.
  EXPECT_EQ(carpeta.llegeix("agenda.dat").substr(4, 6), std::string("\x80\x8A"
                                                                    "lia\0",
                                                                    6));
}

}  // namespace
