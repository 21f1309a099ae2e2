// The platform layer over pipes and files: input delivery, dropping input,
// pauses, keys, text-mode files, the printer and the string services.
#include "plataforma.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "programa.h"

namespace {

using prova::CarpetaTemporal;

// Runs the body in a child process whose standard input is a pipe and whose
// standard output is captured. The input is written and then ended; with
// obert, the pipe stays open and empty until the child has printed something,
// so that the body can show it does not wait for input.
struct Fill {
  std::string sortida;
  int estat = -1;
};

Fill en_fill(const std::string &entrada, const std::function<void()> &cos, bool obert = false) {
  int in[2], out[2];
  if (pipe(in) || pipe(out)) std::abort();
  // The input is in the pipe before the child starts, so a poll that does
  // not wait already sees it.
  if (!entrada.empty() && write(in[1], entrada.data(), entrada.size()) != static_cast<ssize_t>(entrada.size()))
    std::abort();
  std::fflush(stdout);
  pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    close(in[0]);
    close(in[1]);
    close(out[0]);
    close(out[1]);
    cos();
    std::fflush(stdout);
    _exit(0);
  }
  close(in[0]);
  close(out[1]);
  if (!obert) close(in[1]);
  Fill f;
  auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < limit) {
    pollfd p{out[0], POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char bloc[4096];
    ssize_t n = read(out[0], bloc, sizeof bloc);
    if (n <= 0) break;
    f.sortida.append(bloc, static_cast<std::size_t>(n));
    if (obert) close(in[1]), obert = false;
  }
  if (obert) close(in[1]);
  close(out[0]);
  waitpid(pid, &f.estat, 0);
  return f;
}

std::string llegeix_fitxer(const std::string &cami) {
  std::string r;
  if (FILE *f = std::fopen(cami.c_str(), "rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) r.push_back(static_cast<char>(c));
    std::fclose(f);
  }
  return r;
}

// --- Input delivery ----------------------------------------------------------

TEST(EntradaPerCanonada, ALineIsDeliveredWholeAndNothingPastIt) {
  // scanf takes the number; the line feed stays for getchar, and the pause
  // reads the first byte of the next line straight from the pipe.
  Fill f = en_fill("12\nXY\n", [] {
    int n = 0;
    std::scanf("%d", &n);
    std::printf("n=%d ", n);
    plataforma::system("pause >NUL");
    std::printf("c1=%d ", std::getchar());
    std::printf("c2=%c ", std::getchar());
    std::printf("c3=%d", std::getchar());
  });
  EXPECT_EQ(f.sortida, "n=12 c1=10 c2=Y c3=10");
}

TEST(EntradaPerCanonada, LongLinesAndTheEndOfInput) {
  std::string llarga(10000, 'x');
  Fill f = en_fill(llarga + "\nfi", [] {
    char bloc[20000];
    std::printf("%zu|", std::strlen(std::fgets(bloc, sizeof bloc, stdin)));
    std::printf("%s|", std::fgets(bloc, sizeof bloc, stdin));  // last line without a line feed
    std::printf("%s|", std::fgets(bloc, sizeof bloc, stdin) ? "mes" : "final");
    std::printf("%d", plataforma::_getch());  // at the end of input: Esc
  });
  EXPECT_EQ(f.sortida, "10001|fi|final|27");
}

TEST(EntradaPerCanonada, DroppingInputDiscardsTheRestOfTheLineOnly) {
  Fill f = en_fill("abc def\nghi\njkl\n", [] {
    std::printf("%c", std::getchar());
    plataforma::fflush(stdin);  // drops "bc def\n"
    std::printf("%c", std::getchar());
    std::ungetc('Z', stdin);
    plataforma::fflush(stdin);  // drops the pushed-back byte and "hi\n"
    std::printf("%c", std::getchar());
  });
  EXPECT_EQ(f.sortida, "agj");
}

TEST(EntradaPerCanonada, DroppingWithNothingPendingNeitherDropsNorWaits) {
  Fill f = en_fill("a\nb\n", [] {
    char linia[8];
    std::fgets(linia, sizeof linia, stdin);
    plataforma::fflush(stdin);  // the line was read whole: nothing pending
    std::printf("%c", std::getchar());
  });
  EXPECT_EQ(f.sortida, "b");

  // With the pipe still open and empty, dropping returns at once.
  Fill g = en_fill(
      "", [] {
        plataforma::fflush(stdin);
        std::printf("tornat\n");
        std::fflush(stdout);
        plataforma::_getch();
      },
      true);
  EXPECT_EQ(g.sortida, "tornat\n");
}

TEST(EntradaPerCanonada, OutputIsFlushedBeforeEveryWait) {
  // The child prints a prompt and waits for a key on an open, empty pipe: the
  // prompt must arrive before the key is sent.
  for (const char *espera : {"getch", "pausa", "linia", "kbhit", "sleep"}) {
    SCOPED_TRACE(espera);
    std::string que = espera;
    int in[2], out[2];
    ASSERT_EQ(pipe(in), 0);
    ASSERT_EQ(pipe(out), 0);
    std::fflush(stdout);
    pid_t pid = fork();
    if (pid == 0) {
      dup2(in[0], STDIN_FILENO);
      dup2(out[1], STDOUT_FILENO);
      close(in[1]);
      close(out[0]);
      std::printf("prompt");
      if (que == "getch") plataforma::_getch();
      if (que == "pausa") plataforma::system("pause >NUL");
      if (que == "linia") std::getchar();
      if (que == "kbhit")
        while (!plataforma::_kbhit()) {
        }
      if (que == "sleep") plataforma::_sleep(60000);
      _exit(0);
    }
    close(in[0]);
    close(out[1]);
    std::string vist;
    auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (vist.size() < 6 && std::chrono::steady_clock::now() < limit) {
      pollfd p{out[0], POLLIN, 0};
      if (poll(&p, 1, 100) <= 0) continue;
      char bloc[64];
      ssize_t n = read(out[0], bloc, sizeof bloc);
      if (n <= 0) break;
      vist.append(bloc, static_cast<std::size_t>(n));
    }
    EXPECT_EQ(vist, "prompt");
    if (que == "sleep") kill(pid, SIGKILL);
    ASSERT_EQ(write(in[1], "k\n", 2), 2);
    close(in[1]);
    close(out[0]);
    waitpid(pid, nullptr, 0);
  }
}

// --- The command interpreter -------------------------------------------------

TEST(Ordres, EveryPauseFormAndWhatItPrints) {
  struct {
    const char *ordre;
    const char *sortida;
  } casos[] = {
      {"pause >NUL", ""},
      {"pause>NUL", ""},
      {"pause > NUL", ""},
      {"pause >nul", ""},
      {"pause>nul", ""},
      {"PAUSE  >  Nul ", ""},
      {"pause", "Premeu qualsevol tecla per continuar . . . \n"},
      {"pause > nul | echo Fin", "Fin\n"},
      {"pause>nul|echo Fin", "Fin\n"},
  };
  for (const auto &c : casos) {
    SCOPED_TRACE(c.ordre);
    // Each waits for exactly one byte: the second byte is still there after.
    std::string ordre = c.ordre;
    Fill f = en_fill("xy", [ordre] {
      int r = plataforma::system(ordre.c_str());
      std::printf("<%d:%c>", r, std::getchar());
    });
    EXPECT_EQ(f.sortida, std::string(c.sortida) + "<0:y>");
  }
}

TEST(Ordres, PausesReturnAtOnceAtTheEndOfInput) {
  Fill f = en_fill("", [] {
    plataforma::system("pause >NUL");
    plataforma::system("pause");
    plataforma::system("pause > nul | echo Fin");
    std::printf("fet");
  });
  EXPECT_EQ(f.sortida, "Premeu qualsevol tecla per continuar . . . \nFin\nfet");
}

TEST(Ordres, ClearScreenOnAPipeIsAFormFeed) {
  Fill f = en_fill("", [] {
    std::printf("a");
    plataforma::system("cls");
    plataforma::system("CLS ");
    std::printf("b");
  });
  EXPECT_EQ(f.sortida, "a\f\fb");
}

TEST(Ordres, OtherCommandsAreRefused) {
  Fill f = en_fill("x", [] {
    std::printf("%d%d%d", plataforma::system("dir"), plataforma::system("pause > out.txt"),
                plataforma::system("cls && rm -rf x"));
    std::printf("%c", std::getchar());  // nothing was read by them
  });
  EXPECT_EQ(f.sortida, "111x");
}

// --- Keys on a pipe ----------------------------------------------------------

TEST(TeclesPerCanonada, BytesOneByOneThenEscAtTheEnd) {
  Fill f = en_fill("a\x1b[A\n", [] {
    for (int i = 0; i < 7; i++) std::printf("%d,", plataforma::_getch());
    std::printf("%d", plataforma::_kbhit());
  });
  EXPECT_EQ(f.sortida, "97,27,91,65,10,27,27,1");
}

TEST(TeclesPerCanonada, KbhitSeesAWaitingByteWithoutTakingIt) {
  Fill f = en_fill("z", [] {
    int abans = plataforma::_kbhit();
    std::printf("%d%c", abans, plataforma::_getch());
  });
  EXPECT_EQ(f.sortida, "1z");
  // An open, empty pipe: nothing waiting.
  Fill g = en_fill(
      "", [] {
        std::printf("%d", plataforma::_kbhit());
        std::fflush(stdout);
      },
      true);
  EXPECT_EQ(g.sortida, "0");
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

// --- String services -----------------------------------------------------------

TEST(Textos, StrcmpiFoldsOnlyAToZ) {
  EXPECT_EQ(plataforma::_strcmpi("Pla", "pLA"), 0);
  EXPECT_LT(plataforma::_strcmpi("pla ", "plana"), 0);  // blank before letters
  EXPECT_GT(plataforma::_strcmpi("b", "A"), 0);
  EXPECT_EQ(plataforma::_strcmpi("abc", "ab"), 'c');
  EXPECT_EQ(plataforma::_strcmpi("[", "a"), '[' - 'a');      // '[' is not folded onto '{'
  EXPECT_GT(plataforma::_strcmpi("\xC7", "\xE7" "x"), -256);  // unsigned bytes, no folding
  EXPECT_EQ(plataforma::_strcmpi("\xC7", "\xE7"), 0xC7 - 0xE7);
  EXPECT_EQ(plataforma::_strcmpi("", ""), 0);
}

TEST(Textos, StrlwrLowersOnlyAToZInPlace) {
  char text[] = "ABC xyz @[`{ \xC7\xC0 Z";
  EXPECT_EQ(plataforma::_strlwr(text), text);
  EXPECT_STREQ(text, "abc xyz @[`{ \xC7\xC0 z");
}

TEST(Textos, ItoaInEveryRadix) {
  char b[40];
  EXPECT_STREQ(plataforma::_itoa(255, b, 16), "ff");
  EXPECT_STREQ(plataforma::_itoa(0, b, 2), "0");
  EXPECT_STREQ(plataforma::_itoa(5, b, 2), "101");
  EXPECT_STREQ(plataforma::_itoa(35, b, 36), "z");
  EXPECT_STREQ(plataforma::_itoa(-42, b, 10), "-42");
  EXPECT_STREQ(plataforma::_itoa(INT_MIN, b, 10), "-2147483648");
  EXPECT_STREQ(plataforma::_itoa(INT_MAX, b, 10), "2147483647");
  EXPECT_STREQ(plataforma::_itoa(-1, b, 16), "ffffffff");
  EXPECT_STREQ(plataforma::_itoa(-1, b, 2), std::string(32, '1').c_str());
  EXPECT_STREQ(plataforma::_itoa(INT_MIN, b, 8), "20000000000");
  EXPECT_STREQ(plataforma::_itoa(7, b, 1), "");
  EXPECT_STREQ(plataforma::_itoa(7, b, 37), "");
}

TEST(Temps, SleepWaitsAtLeastTheTimeAsked) {
  auto abans = std::chrono::steady_clock::now();
  plataforma::_sleep(20);
  EXPECT_GE(std::chrono::steady_clock::now() - abans, std::chrono::milliseconds(20));
}

}  // namespace
