// Files with the original runtime's modes: text mode and its positions,
// exclusive creation, folders refused, the printer, and streams left open.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "plataforma.h"
#include "programa.h"

namespace {

using prova::CarpetaTemporal;

std::string llegeix_fitxer(const std::string &cami) {
  std::string r;
  if (FILE *f = std::fopen(cami.c_str(), "rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) r.push_back(static_cast<char>(c));
    std::fclose(f);
  }
  return r;
}

// --- Text-mode files ---------------------------------------------------------

TEST(FitxersText, LineFeedsAreStoredAsCrLfAndReadBack) {
  CarpetaTemporal carpeta;
  std::string cami = carpeta.cami("t.txt");
  FILE *f = plataforma::fopen(cami.c_str(), "wt");
  ASSERT_NE(f, nullptr);
  std::fputs("u\ndos\n\nr\rx", f);
  std::fclose(f);
  EXPECT_EQ(llegeix_fitxer(cami), "u\r\ndos\r\n\r\nr\rx");

  f = plataforma::fopen(cami.c_str(), "a");  // no "b": text mode too
  std::fputs("\n", f);
  std::fclose(f);
  EXPECT_EQ(llegeix_fitxer(cami), "u\r\ndos\r\n\r\nr\rx\r\n");

  f = plataforma::fopen(cami.c_str(), "rt");
  ASSERT_NE(f, nullptr);
  std::string llegit;
  for (int c; (c = std::fgetc(f)) != EOF;) llegit.push_back(static_cast<char>(c));
  std::fclose(f);
  EXPECT_EQ(llegit, "u\ndos\n\nr\rx\n");
}

TEST(FitxersText, CrLfSplitAcrossReadBlocksAndATrailingCr) {
  CarpetaTemporal carpeta;
  std::string contingut = std::string(4095, 'a') + "\r\n" + std::string(5000, 'b') + "\r";
  carpeta.escriu("t.txt", contingut);
  FILE *f = plataforma::fopen(carpeta.cami("t.txt").c_str(), "r");
  ASSERT_NE(f, nullptr);
  std::string llegit;
  for (int c; (c = std::fgetc(f)) != EOF;) llegit.push_back(static_cast<char>(c));
  std::fclose(f);
  EXPECT_EQ(llegit, std::string(4095, 'a') + "\n" + std::string(5000, 'b') + "\r");
}

TEST(FitxersText, PositionsAreTheFilesOwnBytes) {
  CarpetaTemporal carpeta;
  std::string cami = carpeta.cami("t.txt");
  std::string linies;
  for (int i = 0; i < 500; i++) linies += "linia " + std::to_string(i) + "\r\n";
  carpeta.escriu("t.txt", "ab\r\ncd\r\n" + linies);
  FILE *f = plataforma::fopen(cami.c_str(), "r");
  ASSERT_NE(f, nullptr);
  char linia[64];
  std::fgets(linia, sizeof linia, f);
  std::fgets(linia, sizeof linia, f);
  EXPECT_STREQ(linia, "cd\n");
  long marca = std::ftell(f);
  EXPECT_EQ(marca, 8);  // two lines of four bytes on disk
  for (int i = 0; i < 300; i++) std::fgets(linia, sizeof linia, f);
  EXPECT_STREQ(linia, "linia 299\n");
  long marca_299 = std::ftell(f) - 11;
  ASSERT_EQ(std::fseek(f, marca, SEEK_SET), 0);
  std::fgets(linia, sizeof linia, f);
  EXPECT_STREQ(linia, "linia 0\n");
  ASSERT_EQ(std::fseek(f, marca_299, SEEK_SET), 0);
  std::fgets(linia, sizeof linia, f);
  EXPECT_STREQ(linia, "linia 299\n");
  ASSERT_EQ(std::fseek(f, -4, SEEK_CUR), 0);  // back over "99\r\n"
  EXPECT_EQ(std::fgetc(f), '9');
  ASSERT_EQ(std::fseek(f, 0, SEEK_END), 0);
  EXPECT_EQ(std::ftell(f), static_cast<long>(8 + linies.size()));
  EXPECT_EQ(std::fgetc(f), EOF);
  std::fclose(f);
}

// Block reads and writes go past the stream's one-byte buffer; every
// position after them is still the file's own bytes.
TEST(FitxersText, PositionsAfterBlockReadsAndWrites) {
  CarpetaTemporal carpeta;
  std::string cami = carpeta.cami("t.txt");
  std::string text;
  for (int i = 0; i < 1000; i++) text += "fila " + std::to_string(i) + "\n";
  FILE *f = plataforma::fopen(cami.c_str(), "w+");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(std::fwrite(text.data(), 1, text.size(), f), text.size());
  EXPECT_EQ(std::ftell(f), static_cast<long>(text.size() + 1000));
  std::rewind(f);
  std::string bloc(4000, '\0');
  ASSERT_EQ(std::fread(bloc.data(), 1, bloc.size(), f), bloc.size());
  EXPECT_EQ(bloc, text.substr(0, 4000));
  long lines = std::count(bloc.begin(), bloc.end(), '\n');
  EXPECT_EQ(std::ftell(f), 4000 + lines);
  ASSERT_EQ(std::fseek(f, 7, SEEK_CUR), 0);
  long aqui = std::ftell(f);
  EXPECT_EQ(aqui, 4007 + lines);
  ASSERT_EQ(std::fread(bloc.data(), 1, 100, f), 100u);
  ASSERT_EQ(std::fseek(f, aqui, SEEK_SET), 0);
  std::string segon(100, '\0');
  ASSERT_EQ(std::fread(segon.data(), 1, 100, f), 100u);
  EXPECT_EQ(segon, bloc.substr(0, 100));
  std::fclose(f);
}

TEST(FitxersText, AnUpdateWritesWhereTheReadStopped) {
  CarpetaTemporal carpeta;
  std::string cami = carpeta.cami("t.txt");
  carpeta.escriu("t.txt", "ab\r\ncdef\r\n");
  FILE *f = plataforma::fopen(cami.c_str(), "r+");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(std::fgetc(f), 'a');
  EXPECT_EQ(std::fgetc(f), 'b');
  EXPECT_EQ(std::fgetc(f), '\n');
  long aqui = std::ftell(f);
  EXPECT_EQ(aqui, 4);
  ASSERT_EQ(std::fseek(f, aqui - 1, SEEK_SET), 0);  // on the line feed of CR LF
  ASSERT_EQ(std::fseek(f, aqui, SEEK_SET), 0);
  std::fputc('X', f);
  EXPECT_EQ(std::ftell(f), 5);
  std::fputs("\n", f);  // stored as CR LF, over "de"
  EXPECT_EQ(std::ftell(f), 7);
  ASSERT_EQ(std::fseek(f, 0, SEEK_CUR), 0);
  EXPECT_EQ(std::fgetc(f), 'f');
  std::fclose(f);
  EXPECT_EQ(llegeix_fitxer(cami), "ab\r\nX\r\nf\r\n");
}

TEST(FitxersText, WritingCountsTheStoredBytes) {
  CarpetaTemporal carpeta;
  std::string cami = carpeta.cami("t.txt");
  FILE *f = plataforma::fopen(cami.c_str(), "w+");
  ASSERT_NE(f, nullptr);
  std::fputs("u\ndos\n", f);
  EXPECT_EQ(std::ftell(f), 8);
  std::rewind(f);
  char linia[16];
  std::fgets(linia, sizeof linia, f);
  EXPECT_STREQ(linia, "u\n");
  EXPECT_EQ(std::ftell(f), 3);
  std::fclose(f);
}

TEST(FitxersText, BinaryModeLeavesBytesAlone) {
  CarpetaTemporal carpeta;
  std::string cami = carpeta.cami("b.dat");
  FILE *f = plataforma::fopen(cami.c_str(), "wb");
  std::fputs("a\nb\r\n", f);
  std::fclose(f);
  EXPECT_EQ(llegeix_fitxer(cami), "a\nb\r\n");
  f = plataforma::fopen(cami.c_str(), "r+b");
  ASSERT_NE(f, nullptr);
  char bloc[8] = {};
  EXPECT_EQ(std::fread(bloc, 1, 7, f), 5u);
  std::fclose(f);
  EXPECT_STREQ(bloc, "a\nb\r\n");
}

TEST(FitxersText, FailuresAreReportedAsByFopen) {
  CarpetaTemporal carpeta;
  errno = 0;
  EXPECT_EQ(plataforma::fopen(carpeta.cami("no-hi-es.txt").c_str(), "rt"), nullptr);
  EXPECT_EQ(errno, ENOENT);
  EXPECT_EQ(plataforma::fopen(carpeta.cami("x").c_str(), "q"), nullptr);
  EXPECT_EQ(errno, EINVAL);
}

// --- Exclusive creation and folders ---------------------------------------------

TEST(FitxersCreacio, AnXCreatesOnlyANewFileInBothModes) {
  CarpetaTemporal carpeta;
  for (const char *mode : {"wbx", "wtx", "wx", "w+x", "w+bx"}) {
    SCOPED_TRACE(mode);
    std::string nom = carpeta.cami(std::string("nou-") + mode);
    FILE *f = plataforma::fopen(nom.c_str(), mode);
    ASSERT_NE(f, nullptr);
    std::fputs("a\n", f);
    std::fclose(f);
    EXPECT_EQ(llegeix_fitxer(nom), std::string(mode).find('b') != std::string::npos ? "a\n" : "a\r\n");
    errno = 0;
    EXPECT_EQ(plataforma::fopen(nom.c_str(), mode), nullptr);  // exists now
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(llegeix_fitxer(nom).substr(0, 1), "a");  // never truncated
  }
  // A dangling link is a name that exists: its target is not created.
  ASSERT_EQ(symlink(carpeta.cami("desti").c_str(), carpeta.cami("enllac").c_str()), 0);
  for (const char *mode : {"wbx", "wtx"}) {
    errno = 0;
    EXPECT_EQ(plataforma::fopen(carpeta.cami("enllac").c_str(), mode), nullptr);
    EXPECT_EQ(errno, EEXIST);
  }
  EXPECT_FALSE(carpeta.existeix("desti"));
}

TEST(FitxersCreacio, AFolderIsRefusedInEveryMode) {
  CarpetaTemporal carpeta;
  std::string dir = carpeta.cami("carpeta");
  ASSERT_EQ(mkdir(dir.c_str(), 0755), 0);
  for (const char *mode : {"r", "rb", "rt", "r+", "r+b", "w", "wb", "wt", "w+", "a", "ab", "a+", "a+b"}) {
    SCOPED_TRACE(mode);
    errno = 0;
    EXPECT_EQ(plataforma::fopen(dir.c_str(), mode), nullptr);
    EXPECT_EQ(errno, EISDIR);
  }
  errno = 0;
  EXPECT_EQ(plataforma::fopen(dir.c_str(), "wbx"), nullptr);  // it exists
  EXPECT_EQ(errno, EEXIST);
  struct stat info {};
  ASSERT_EQ(stat(dir.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
}

// --- Streams left open at exit ---------------------------------------------------

// A program that ends with files open: their bytes are stored, and (under
// LeakSanitizer) their state is still reachable, so not a leak.
TEST(FitxersOberts, AProgramMayEndWithFilesOpen) {
  CarpetaTemporal carpeta;
  auto r = prova::executa({.programa = ECO_TECLES, .entrada = "", .arguments = {"obert"}, .carpeta = carpeta.cami()});
  EXPECT_EQ(r.sortida, "1\n");
  EXPECT_EQ(r.errors, "");
  EXPECT_EQ(r.estat, 0);
  EXPECT_EQ(carpeta.llegeix("text.txt"), "u\r\ndos");
  EXPECT_EQ(carpeta.llegeix("binari.dat"), "u\n");
}

// --- The printer ---------------------------------------------------------------

class Impressora : public ::testing::Test {
 protected:
  void SetUp() override {
    const char *cami = std::getenv("PATH");
    cami_previ_ = cami ? cami : "";
  }
  void TearDown() override { setenv("PATH", cami_previ_.c_str(), 1); }

  // A stand-in spooler that keeps what it is given, and counts its runs.
  void posa_cua(const std::string &nom) {
    std::string guio = carpeta_.cami(nom);
    FILE *f = std::fopen(guio.c_str(), "w");
    std::fprintf(f, "#!/bin/sh\necho x >> '%s'\n/bin/cat >> '%s'\necho request id is 1\n",
                 carpeta_.cami("execucions").c_str(), carpeta_.cami("imprès").c_str());
    std::fclose(f);
    chmod(guio.c_str(), 0755);
    setenv("PATH", carpeta_.cami().c_str(), 1);
  }
  std::string imprès() { return llegeix_fitxer(carpeta_.cami("imprès")); }
  std::string execucions() { return llegeix_fitxer(carpeta_.cami("execucions")); }

  CarpetaTemporal carpeta_;
  std::string cami_previ_;
};

TEST_F(Impressora, BytesGoToLpWhenClosed) {
  posa_cua("lp");
  FILE *p = plataforma::fopen("prn", "wb");
  ASSERT_NE(p, nullptr);
  std::fputs("Num\n1 Pere", p);
  EXPECT_EQ(execucions(), "");  // nothing is submitted before closing
  EXPECT_EQ(std::fclose(p), 0);
  EXPECT_EQ(imprès(), "Num\n1 Pere");
  EXPECT_EQ(execucions(), "x\n");
}

TEST_F(Impressora, NothingWrittenSubmitsNothing) {
  posa_cua("lp");
  FILE *p = plataforma::fopen("PRN", "wb");
  ASSERT_NE(p, nullptr);
  std::fclose(p);
  EXPECT_EQ(execucions(), "");
}

TEST_F(Impressora, LprServesWhenThereIsNoLpAndTextModeAddsCr) {
  posa_cua("lpr");
  FILE *p = plataforma::fopen("prn", "w");
  ASSERT_NE(p, nullptr);
  std::fputs("a\nb", p);
  std::fclose(p);
  EXPECT_EQ(imprès(), "a\r\nb");
}

TEST_F(Impressora, WithoutASpoolerOpeningFailsWithEnoent) {
  setenv("PATH", carpeta_.cami().c_str(), 1);
  errno = 0;
  EXPECT_EQ(plataforma::fopen("prn", "wb"), nullptr);
  EXPECT_EQ(errno, ENOENT);
}

}  // namespace
