// The text-file programs through pipes: "prova.txt" written by char-writer and
// line-writer and read by text-dump and line-reader, and "proba.txt" written
// by line-capture, with CR LF on disk and every failure told.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <string>
#include <vector>

#include "oracles.h"
#include "programa.h"
#include "terminal.h"

namespace {

namespace fs = std::filesystem;
using prova::CarpetaTemporal;
using prova::Cas;
using prova::Fitxers;

const std::string adeu_text = "\n\nAdeu!";

using prova::amb_crlf;

// Lines of 80, 81 and 250 characters, a NUL, bytes above 0x7F (0xFF
// included) and a last line without its line feed.
const std::string text_mixt = std::string(80, 'a') + "\n" + std::string(81, 'b') + "\n" + std::string(250, 'c') +
                              "\n\n\tx y \n" + std::string("n\0l\n", 4) + "\x80\xE9\xFF\xFE\n" + "final";

// Runs a program in a folder where "prova.txt" (or "proba.txt") is a folder,
// or a link to the full device.
prova::Resultat en_carpeta_amb(const std::string &programa, const std::string &nom, bool dispositiu_ple,
                               const std::string &entrada) {
  CarpetaTemporal carpeta;
  if (dispositiu_ple)
    fs::create_symlink("/dev/full", carpeta.cami(nom));
  else
    fs::create_directory(carpeta.cami(nom));
  return prova::executa({.programa = programa, .entrada = entrada, .carpeta = carpeta.cami()});
}

TEST(CharWriter, CopiesInputIntoProvaWithCrLf) {
  prova::comprova(
      "char-writer",
      {
          {.nom = "mixed text",
           .entrada = text_mixt,
           .sortida = "\nFi del fitxer!",
           .despres = Fitxers {{"prova.txt", amb_crlf(text_mixt)}}},
          {.nom = "replaces older content",
           .entrada = "nou\n",
           .sortida = "\nFi del fitxer!",
           .abans = {{"prova.txt", "molt mes llarg i antic"}, {"proba.txt", "b"}},
           .despres = Fitxers {{"prova.txt", "nou\r\n"}, {"proba.txt", "b"}}},
          {.nom = "empty input", .entrada = "", .sortida = "\nFi del fitxer!", .despres = Fitxers {{"prova.txt", ""}}},
      });
  auto r = en_carpeta_amb("char-writer", "prova.txt", false, "abc\n");
  EXPECT_EQ(r.sortida, "Error. No s'ha pogut crear el fitxer.");
  EXPECT_EQ(r.estat, 1);
  r = en_carpeta_amb("char-writer", "prova.txt", true, "abc\n");
  EXPECT_EQ(r.sortida, "Error. No s'ha pogut escriure el fitxer.");
  EXPECT_EQ(r.estat, 1);
}

TEST(LineWriter, CopiesInputIntoProvaWithCrLf) {
  prova::comprova(
      "line-writer",
      {
          {.nom = "mixed text",
           .entrada = text_mixt,
           .sortida = adeu_text,
           .despres = Fitxers {{"prova.txt", amb_crlf(text_mixt)}}},
          {.nom = "replaces older content",
           .entrada = "x",
           .sortida = adeu_text,
           .abans = {{"prova.txt", "antic\r\n"}},
           .despres = Fitxers {{"prova.txt", "x"}}},
          {.nom = "empty input", .entrada = "", .sortida = adeu_text, .despres = Fitxers {{"prova.txt", ""}}},
      });
  auto r = en_carpeta_amb("line-writer", "prova.txt", false, "abc\n");
  EXPECT_EQ(r.sortida, "\nL'arxiu no existeix!\n");
  EXPECT_EQ(r.estat, 255);
  r = en_carpeta_amb("line-writer", "prova.txt", true, "abc\n");
  EXPECT_EQ(r.sortida, "\nL'arxiu no es pot escriure!\n");
  EXPECT_EQ(r.estat, 255);
}

TEST(TextDumpAndLineReader, ShowProvaUnchanged) {
  // CR LF is read as a line feed; a lone LF or CR stays as it is.
  const std::string en_disc = amb_crlf(text_mixt) + "\nlf sol\rcr sol\r";
  const std::string mostrat = text_mixt + "\nlf sol\rcr sol\r";
  prova::comprova("text-dump",
                  {
                      {.nom = "mixed text", .entrada = "", .sortida = mostrat, .abans = {{"prova.txt", en_disc}}},
                      {.nom = "empty file", .entrada = "", .sortida = "", .abans = {{"prova.txt", ""}}},
                      {.nom = "missing, with proba.txt present",
                       .entrada = "",
                       .sortida = "Error. No s'ha pogut obrir el fitxer.",
                       .estat = 1,
                       .abans = {{"proba.txt", "b"}}},
                  });
  prova::comprova(
      "line-reader",
      {
          {.nom = "mixed text", .entrada = "", .sortida = mostrat + adeu_text, .abans = {{"prova.txt", en_disc}}},
          {.nom = "exactly 80 characters, no repeated piece",
           .entrada = "",
           .sortida = std::string(80, 'z') + adeu_text,
           .abans = {{"prova.txt", std::string(80, 'z')}}},
          {.nom = "empty file", .entrada = "", .sortida = adeu_text, .abans = {{"prova.txt", ""}}},
          {.nom = "missing, with proba.txt present",
           .entrada = "",
           .sortida = "\nL'arxiu no existeix!\n",
           .estat = 255,
           .abans = {{"proba.txt", "b"}}},
      });
  for (const char *programa : {"text-dump", "line-reader"}) {
    auto r = en_carpeta_amb(programa, "prova.txt", false, "");
    EXPECT_EQ(r.estat, programa[0] == 't' ? 1 : 255) << programa;
  }
}

// What the writers leave, the readers show back as typed.
TEST(TextDumpAndLineReader, ReadBackWhatTheWritersLeft) {
  for (const char *escriptor : {"char-writer", "line-writer"}) {
    CarpetaTemporal carpeta;
    auto r = prova::executa({.programa = escriptor, .entrada = text_mixt, .carpeta = carpeta.cami()});
    ASSERT_EQ(r.estat, 0);
    EXPECT_EQ(prova::executa({.programa = "text-dump", .entrada = "", .carpeta = carpeta.cami()}).sortida, text_mixt);
    EXPECT_EQ(prova::executa({.programa = "line-reader", .entrada = "", .carpeta = carpeta.cami()}).sortida,
              text_mixt + adeu_text);
  }
}

TEST(LineCapture, StoresTheFirstLineInProba) {
  prova::comprova(
      "line-capture",
      {
          {.nom = "first line only, blanks and tabs kept",
           .entrada = "\tuna  linia \nsegona\n",
           .sortida = "",
           .despres = Fitxers {{"proba.txt", "\tuna  linia "}}},
          {.nom = "text up to the end of input",
           .entrada = "sense fi\xFF",
           .sortida = "",
           .despres = Fitxers {{"proba.txt", "sense fi\xFF"}}},
          {.nom = "empty line", .entrada = "\nalgo\n", .sortida = "", .despres = Fitxers {{"proba.txt", ""}}},
          {.nom = "no input", .entrada = "", .sortida = "", .despres = Fitxers {{"proba.txt", ""}}},
          {.nom = "replaces proba.txt, never touches prova.txt",
           .entrada = "nova\n",
           .sortida = "",
           .abans = {{"proba.txt", "antiga i llarga"}, {"prova.txt", "v"}},
           .despres = Fitxers {{"proba.txt", "nova"}, {"prova.txt", "v"}}},
          // The pause takes one byte of the next line, and then the program ends.
          {.nom = "one pause",
           .entrada = "linia\nx",
           .sortida = "",
           .despres = Fitxers {{"proba.txt", "linia"}},
           .entrada_oberta = true},
      });
  auto r = en_carpeta_amb("line-capture", "proba.txt", false, "abc\n");
  EXPECT_EQ(r.sortida, "Error. No s'ha pogut crear el fitxer.");
  EXPECT_EQ(r.estat, 1);
  r = en_carpeta_amb("line-capture", "proba.txt", true, "abc\n");
  EXPECT_EQ(r.sortida, "Error. No s'ha pogut escriure el fitxer.");
  EXPECT_EQ(r.estat, 1);
}

// Two lines typed on a terminal, then Ctrl-C or SIGTERM: the program ends
// without closing its file, and the file still holds every line it took.
TEST(TextFilesOnATerminal, TypedLinesSurviveAnEndBySignal) {
  for (const char *programa : {"char-writer", "line-writer"})
    for (bool control_c : {true, false}) {
      SCOPED_TRACE(std::string(programa) + (control_c ? " Ctrl-C" : " SIGTERM"));
      CarpetaTemporal carpeta;
      carpeta.escriu("prova.txt", "contingut antic");
      prova::Terminal t(programa, carpeta.cami());
      t.escriu("una\rdues\r");
      ASSERT_TRUE(t.espera_text("dues"));
      EXPECT_TRUE(t.espera([&] { return carpeta.llegeix("prova.txt") == "una\r\ndues\r\n"; }))
          << prova::visible(carpeta.llegeix("prova.txt"));
      if (control_c)
        t.escriu("\x03");
      else
        t.senyal(SIGTERM);
      EXPECT_EQ(t.espera_final(), 128 + (control_c ? SIGINT : SIGTERM));
      EXPECT_EQ(carpeta.llegeix("prova.txt"), "una\r\ndues\r\n");
    }
}

TEST(TextFilesOnATerminal, TheCapturedLineSurvivesAnEndBySignal) {
  for (bool control_c : {true, false}) {
    CarpetaTemporal carpeta;
    prova::Terminal t("line-capture", carpeta.cami());
    t.escriu("una linia\r");
    EXPECT_TRUE(t.espera([&] { return carpeta.llegeix("proba.txt") == "una linia"; }));
    if (control_c)
      t.escriu("\x03");
    else
      t.senyal(SIGTERM);
    EXPECT_EQ(t.espera_final(), 128 + (control_c ? SIGINT : SIGTERM));
    EXPECT_EQ(carpeta.llegeix("proba.txt"), "una linia");
  }
}

}  // namespace
