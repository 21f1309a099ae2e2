// The launcher's side of a run, through pipes: the pause notice of the
// program and the descriptors a program inherits.
#include "executa.h"

#include <gtest/gtest.h>

#include <fcntl.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

#include "fill.h"

namespace {

// Runs each shell command through executa, one after the other, in a child
// process; one line for each: started, exit status, pause notice.
std::string executa_ordres(std::initializer_list<const char *> ordres) {
  return prova::en_fill("",
                        [&] {
                          for (const char *ordre : ordres) {
                            std::string nom = "sh", opcio = "-c", text = ordre;
                            char *argv[] = {nom.data(), opcio.data(), text.data(), nullptr};
                            plataforma::Final final;
                            bool fet = plataforma::executa("/bin/sh", argv, ".", final);
                            std::printf("%d %d %d\n", fet, final.com_a_estat(), final.acaba_en_pausa);
                          }
                        })
      .sortida;
}

TEST(ExecutaAvisPausa, AByteOnTheNoticeDescriptorMarksAnEndInAPause) {
  EXPECT_EQ(executa_ordres({"exit 0", "printf x >&$PORTAFOLI_AVIS_PAUSA", "exit 3",
                            "printf x >&$PORTAFOLI_AVIS_PAUSA; exit 4", "kill -TERM $$"}),
            "1 0 0\n1 0 1\n1 3 0\n1 4 1\n1 143 0\n");
}

std::set<int> nombres(const std::string &text) {
  std::set<int> r;
  std::istringstream in(text);
  for (int n; in >> n;) {
    r.insert(n);
    if (in.peek() == ',') in.get();
  }
  return r;
}

// The program gets the descriptors this process passes on to every program
// (the standard ones, and any it was given), and the notice's, nothing else:
// neither this run's other pipes nor an earlier run's.
TEST(ExecutaAvisPausa, TheProgramInheritsOnlyTheNoticeDescriptor) {
  // The listing's own descriptor comes on top: the lowest one free.
  const char *ordre = "echo $PORTAFOLI_AVIS_PAUSA; exec ls -m -w 0 /proc/self/fd";
  std::string sortida = prova::en_fill("", [&] {
                          for (int fd = 0; fd < 1024; fd++) {
                            int senyals = fcntl(fd, F_GETFD);
                            if (senyals >= 0 && !(senyals & FD_CLOEXEC)) std::printf("%d ", fd);
                          }
                          std::printf("\n");
                          for (int vegada = 0; vegada < 2; vegada++) {
                            std::string nom = "sh", opcio = "-c", text = ordre;
                            char *argv[] = {nom.data(), opcio.data(), text.data(), nullptr};
                            plataforma::Final final;
                            plataforma::executa("/bin/sh", argv, ".", final);
                          }
                        }).sortida;
  std::istringstream linies(sortida);
  std::string heretats, avis, primer, avis_segon, segon;
  std::getline(linies, heretats);
  std::getline(linies, avis);
  std::getline(linies, primer);
  std::getline(linies, avis_segon);
  std::getline(linies, segon);
  std::set<int> esperat = nombres(heretats);
  ASSERT_TRUE(esperat.count(0) && esperat.count(1) && esperat.count(2)) << sortida;
  ASSERT_FALSE(avis.empty()) << sortida;
  EXPECT_TRUE(esperat.insert(std::stoi(avis)).second) << sortida;
  int llistat = 0;
  while (esperat.count(llistat)) llistat++;
  esperat.insert(llistat);
  EXPECT_EQ(nombres(primer), esperat) << sortida;
  EXPECT_EQ(avis_segon, avis);
  EXPECT_EQ(nombres(segon), esperat) << sortida;
}

}  // namespace
