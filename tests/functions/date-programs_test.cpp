// The date programs through pipes.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "programa.h"

namespace {

const std::string primera = "Introdueix la primera data en format dd/mm/aa: ";
const std::string segona = "Introdueix la segona data en format dd/mm/aa: ";

TEST(DateInterval, DaysBetweenTwoDates) {
  auto r = [](const char *dies) { return primera + segona + "Els dies transcorreguts son: " + dies + "\n"; };
  prova::comprova(
      "date-interval",
      {
          {.nom = "a year", .entrada = "1/1/2006\n31/12/2006\n", .sortida = r("364")},
          {.nom = "in the other order", .entrada = "31/12/2006\n1/1/2006\n", .sortida = r("364")},
          {.nom = "the same date", .entrada = "15/3/2007\n15/3/2007\n", .sortida = r("0")},
          {.nom = "two-digit years are years 0 and 99", .entrada = "1/1/00\n1/1/99\n", .sortida = r("36160")},
          {.nom = "an invalid date is walked through", .entrada = "31/2/2007\n1/3/2007\n", .sortida = r("1")},
          {.nom = "years 1 to 9999", .entrada = "1/1/1\n31/12/9999\n", .sortida = r("3652058")},
          {.nom = "far apart, at once, the count wrapping",
           .entrada = "1/1/0\n1/1/8000000\n",
           .sortida = r("-1373027296")},
          {.nom = "a reply that is not a date is asked again",
           .entrada = "avui\n1/1\n2006\n1/1/2006\n2/1/2006\n",
           .sortida = primera + primera + primera + primera + segona + "Els dies transcorreguts son: 1\n"},
          {.nom = "end of input at the second date", .entrada = "1/1/2006\n", .sortida = primera + segona},
          {.nom = "end of input at once", .entrada = "", .sortida = primera},
      });
}

TEST(WeekdayFinder, NamesOfTheDays) {
  const std::string p = "Introdueix una data en format dd/mm/aa: ";
  std::vector<prova::Cas> casos;
  for (auto [data, dia] : std::vector<std::pair<const char *, const char *>> {{"1/1/2006", "Diumenge"},
                                                                              {"2/1/2006", "Dilluns"},
                                                                              {"3/1/2006", "Dimarts"},
                                                                              {"4/1/2006", "Dimecres"},
                                                                              {"15/3/2007", "Dijous"},
                                                                              {"6/1/2006", "Divendres"},
                                                                              {"31/12/2005", "Disabte"},
                                                                              {"1/1/1", "Dilluns"},
                                                                              {"29/2/2007", "Error"},
                                                                              {"31/4/2006", "Error"},
                                                                              {"1/13/2006", "Error"},
                                                                              {"29/2/2000", "Dimarts"},
                                                                              {"dilluns", "Error"},
                                                                              {"12-3-2007", "Error"},
                                                                              {"1/1/2000000000", "Disabte"}})
    casos.push_back({.nom = data, .entrada = std::string(data) + "\n", .sortida = p + dia + "\n"});
  casos.push_back({.nom = "end of input", .entrada = "", .sortida = p});
  prova::comprova("weekday-finder", casos);
}

TEST(TodayDate, TheSystemsDate) {
  auto avui = [] {
    std::time_t ara = std::time(nullptr);
    std::tm local {};
    localtime_r(&ara, &local);
    return std::to_string(local.tm_mday) + "/" + std::to_string(local.tm_mon + 1) + "/" +
           std::to_string(local.tm_year + 1900);
  };
  prova::CarpetaTemporal carpeta;
  std::string abans = avui();
  auto r = prova::executa({.programa = "today-date", .entrada = "", .carpeta = carpeta.cami()});
  std::string despres = avui();
  EXPECT_EQ(r.estat, 0);
  EXPECT_TRUE(r.sortida == abans || r.sortida == despres) << r.sortida;  // midnight may pass
}

}  // namespace
