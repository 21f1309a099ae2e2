// Console input through a pipe and from a regular file: line delivery,
// dropping input, keys; each case runs on both kinds of input, which must
// give the same bytes.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "fill.h"
#include "plataforma.h"
#include "programa.h"

namespace {

using prova::en_fill;
using prova::Fill;
using prova::Origen;

class Entrada : public ::testing::TestWithParam<Origen> {
 protected:
  Fill fill(const std::string &entrada, const std::function<void()> &cos) { return en_fill(entrada, cos, GetParam()); }
};

TEST_P(Entrada, ALineIsDeliveredWholeAndNothingPastIt) {
  // scanf takes the number; the line feed stays for getchar, and the pause
  // reads the first byte of the next line straight from the pipe.
  Fill f = fill("12\nXY\n", [] {
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

TEST_P(Entrada, LongLinesAndTheEndOfInput) {
  std::string llarga(10000, 'x');
  Fill f = fill(llarga + "\nfi", [] {
    char bloc[20000];
    std::printf("%zu|", std::strlen(std::fgets(bloc, sizeof bloc, stdin)));
    std::printf("%s|", std::fgets(bloc, sizeof bloc, stdin));  // last line without a line feed
    std::printf("%s|", std::fgets(bloc, sizeof bloc, stdin) ? "mes" : "final");
    std::printf("%d", plataforma::_getch());  // at the end of input: Esc
  });
  EXPECT_EQ(f.sortida, "10001|fi|final|27");
}

TEST_P(Entrada, DroppingInputDiscardsTheRestOfTheLineOnly) {
  Fill f = fill("abc def\nghi\njkl\n", [] {
    std::printf("%c", std::getchar());
    plataforma::fflush(stdin);  // drops "bc def\n"
    std::printf("%c", std::getchar());
    std::ungetc('Z', stdin);
    plataforma::fflush(stdin);  // drops the pushed-back byte and "hi\n"
    std::printf("%c", std::getchar());
  });
  EXPECT_EQ(f.sortida, "agj");
}

TEST_P(Entrada, DroppingWithNothingPendingNeitherDropsNorWaits) {
  Fill f = fill("a\nb\n", [] {
    char linia[8];
    std::fgets(linia, sizeof linia, stdin);
    plataforma::fflush(stdin);  // the line was read whole: nothing pending
    std::printf("%c", std::getchar());
  });
  EXPECT_EQ(f.sortida, "b");
}

TEST_P(Entrada, BytesOneByOneThenEscAtTheEnd) {
  Fill f = fill("a\x1b[A\n", [] {
    for (int i = 0; i < 7; i++) std::printf("%d,", plataforma::_getch());
    std::printf("%d", plataforma::_kbhit());
  });
  EXPECT_EQ(f.sortida, "97,27,91,65,10,27,27,1");
}

TEST_P(Entrada, KbhitSeesAWaitingByteWithoutTakingIt) {
  Fill f = fill("z", [] {
    int abans = plataforma::_kbhit();
    std::printf("%d%c", abans, plataforma::_getch());
  });
  EXPECT_EQ(f.sortida, "1z");
}

// A child started by the program reads the same input from where the
// program stopped, and the program then goes on after what the child took.
TEST_P(Entrada, AChildReadsOnFromWhereTheProgramStopped) {
  Fill f = fill("u\ndos\nc\nquatre\n", [] {
    char linia[16];
    std::printf("%s", std::fgets(linia, sizeof linia, stdin));
    std::fflush(stdout);
    pid_t fill = fork();
    if (fill == 0) {
      std::printf("fill %s", std::fgets(linia, sizeof linia, stdin));
      std::exit(0);  // as a program ends: a file is left where it stopped
    }
    waitpid(fill, nullptr, 0);
    std::printf("%s", std::fgets(linia, sizeof linia, stdin));
    std::printf("%c", plataforma::_getch());  // the next byte: nothing past the line was taken
  });
  EXPECT_EQ(f.sortida, "u\nfill dos\nc\nq");
}

INSTANTIATE_TEST_SUITE_P(CanonadaIFitxer, Entrada, ::testing::Values(Origen::canonada, Origen::fitxer),
                         prova::nom_origen);

// An open and empty pipe: nothing is there yet, and nothing waits for it.
TEST(EntradaOberta, DroppingWithNothingTypedReturnsAtOnce) {
  Fill g = en_fill(
      "",
      [] {
        plataforma::fflush(stdin);
        std::printf("tornat\n");
        std::fflush(stdout);
        plataforma::_getch();
      },
      Origen::oberta);
  EXPECT_EQ(g.sortida, "tornat\n");
}

TEST(EntradaOberta, KbhitSaysNoKey) {
  Fill g = en_fill(
      "",
      [] {
        std::printf("%d", plataforma::_kbhit());
        std::fflush(stdout);
      },
      Origen::oberta);
  EXPECT_EQ(g.sortida, "0");
}

// Read in blocks, a file is still left at the first byte the program did not
// take, for whatever reads it next.
TEST(EntradaDeFitxer, TheFileIsLeftWhereTheProgramStopped) {
  prova::CarpetaTemporal carpeta;
  carpeta.escriu("entrada.txt", "xab\ncd\nef\n");
  auto r = prova::executa({.programa = "/bin/sh",
                           .entrada = "",
                           .arguments = {"-c", "{ \"$0\" pausa; cat; } < entrada.txt", ECO_TECLES},
                           .carpeta = carpeta.cami()});
  EXPECT_EQ(r.sortida, "llest\nPremeu qualsevol tecla per continuar . . . \nlinia=ab\nfi\ncd\nef\n");
  EXPECT_EQ(r.estat, 0);
}

// A pipe is looked at ahead but never read past the current line: what the
// program did not take is all there, in order, for the next reader. Lines
// around and beyond what one look sees (a look is up to 64 KiB).
TEST(EntradaPerCanonada, ThePipeIsLeftWhereTheProgramStopped) {
  std::string resta;
  for (int i = 0; i < 20000; i++) resta += "linia " + std::to_string(i) + "\n";
  resta += "sense final";
  const std::string llarga(100000, 'a');
  struct {
    std::string abans, linia;
  } casos[] = {{"x", "ab\n"}, {"x", llarga + "\n"}, {"\n", "cd\n"}};
  for (const auto &cas : casos) {
    prova::CarpetaTemporal carpeta;
    auto r = prova::executa({.programa = "/bin/sh",
                             .entrada = cas.abans + cas.linia + resta,
                             .arguments = {"-c", "\"$0\" pausa; cat", ECO_TECLES},
                             .carpeta = carpeta.cami()});
    std::string mostrada = cas.linia.substr(0, 63);
    ASSERT_EQ(r.estat, 0);
    std::string esperat = "llest\nPremeu qualsevol tecla per continuar . . . \nlinia=" + mostrada + "fi\n" + resta;
    ASSERT_EQ(r.sortida.size(), esperat.size());
    EXPECT_TRUE(r.sortida == esperat) << cas.linia.size();
  }
}

// A child that reads in[0] and writes out[1], runs cos and ends.
pid_t fill_entre(const int in[2], const int out[2], const std::function<void()> &cos) {
  pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    close(in[1]);
    close(out[0]);
    cos();
    _exit(0);
  }
  return pid;
}

// What a child writes to fd, until prou says it is enough, the child closes
// it, or 20 seconds pass.
std::string llegeix_fins(int fd, const std::function<bool(const std::string &)> &prou) {
  std::string vist;
  auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!prou(vist) && std::chrono::steady_clock::now() < limit) {
    pollfd p {fd, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char bloc[64];
    ssize_t n = read(fd, bloc, sizeof bloc);
    if (n <= 0) break;
    vist.append(bloc, static_cast<std::size_t>(n));
  }
  return vist;
}

// A line is taken from the pipe for good even when the program is ended by
// a signal just after reading it: the next reader starts on the next line.
TEST(EntradaPerCanonada, ASignalAfterALineLeavesThePipeAtTheNextLine) {
  for (int senyal : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(senyal);
    int in[2], out[2];
    ASSERT_EQ(pipe(in), 0);
    ASSERT_EQ(pipe(out), 0);
    pid_t pid = fill_entre(in, out, [] { execl(ECO_TECLES, ECO_TECLES, "linia", static_cast<char *>(nullptr)); });
    close(out[1]);
    ASSERT_EQ(write(in[1], "ab\ncd\nef\n", 9), 9);
    close(in[1]);
    std::string vist = llegeix_fins(out[0], [](const std::string &v) { return v.find('\n') != std::string::npos; });
    EXPECT_EQ(vist, "linia=ab\n");
    kill(pid, senyal);
    int estat = 0;
    waitpid(pid, &estat, 0);
    EXPECT_TRUE(WIFSIGNALED(estat) && WTERMSIG(estat) == senyal);
    char resta[16];
    EXPECT_EQ(read(in[0], resta, sizeof resta), 6);
    EXPECT_EQ(std::string(resta, 6), "cd\nef\n");
    close(in[0]);
    close(out[0]);
  }
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
    pid_t pid = fill_entre(in, out, [&] {
      std::printf("prompt");
      if (que == "getch") plataforma::_getch();
      if (que == "pausa") plataforma::system("pause >NUL");
      if (que == "linia") std::getchar();
      if (que == "kbhit")
        while (!plataforma::_kbhit()) {
        }
      if (que == "sleep") plataforma::_sleep(60000);
    });
    close(in[0]);
    close(out[1]);
    std::string vist = llegeix_fins(out[0], [](const std::string &v) { return v.size() >= 6; });
    EXPECT_EQ(vist, "prompt");
    // The sleeping child is ended; the others take their key (a write to a
    // child already gone would raise SIGPIPE here).
    if (que == "sleep")
      kill(pid, SIGKILL);
    else
      ASSERT_EQ(write(in[1], "k\n", 2), 2);
    close(in[1]);
    close(out[0]);
    waitpid(pid, nullptr, 0);
  }
}

}  // namespace
