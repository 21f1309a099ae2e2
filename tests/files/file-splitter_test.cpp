// The file splitter through pipes: parts checked against coreutils' split,
// joins against the source, and every refusal and failure with its files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "programa.h"

namespace {

namespace fs = std::filesystem;
using prova::CarpetaTemporal;
using prova::Cas;

constexpr std::size_t part = 1450000;
const std::string sintaxi =
    "\nSintaxis:\n\nnom_programa -p <origen>\tPart l'arxiu <origen> en varis arxius\n\t\t\t\t<origen><x>.dat, on "
    "<x> es un numero\n\t\t\t\tincremental.\n\nnom_programa -u <desti> <part 1> ... <part n>\tUneix els arxius "
    "<part x> en\n\t\t\t\t\t\tl'arxiu <desti>.\n";
const std::string insuficients = "\nParametres insuficients!\n" + sintaxi;
const std::string primer = "\nEl primer parametre ha de ser -p o -u!\n" + sintaxi;
const std::string adeu = "\n\nAdeu!\n";

std::string aleatoris(std::size_t mida, unsigned llavor) {
  std::mt19937_64 generador(llavor);
  std::string r(mida, '\0');
  for (std::size_t i = 0; i < mida; i += 8) {
    std::uint64_t v = generador();
    for (std::size_t k = 0; k < 8 && i + k < mida; k++) r[i + k] = static_cast<char>(v >> (8 * k));
  }
  return r;
}

// Every name in the folder, whatever it is (files, folders, links).
std::set<std::string> noms(const CarpetaTemporal &carpeta) {
  std::set<std::string> r;
  for (const auto &e : fs::directory_iterator(carpeta.cami())) r.insert(e.path().filename().string());
  return r;
}

prova::Resultat executa(const CarpetaTemporal &carpeta, const std::vector<std::string> &arguments,
                        const std::string &entrada = "") {
  return prova::executa(
      {.programa = "file-splitter", .entrada = entrada, .arguments = arguments, .carpeta = carpeta.cami()});
}

void espera(const prova::Resultat &r, const std::string &sortida, int estat = 0) {
  EXPECT_FALSE(r.temps_esgotat);
  EXPECT_EQ(prova::visible(r.sortida), prova::visible(sortida));
  EXPECT_EQ(r.estat, estat);
  EXPECT_EQ(r.errors, "");
}

std::string nom_part(const std::string &origen, std::size_t i) { return origen + std::to_string(i) + ".dat"; }

// What a split of mida bytes prints when it succeeds.
std::string sortida_particio(const std::string &origen, std::size_t mida) {
  std::size_t n = mida / part + (mida % part ? 1 : 0);
  std::string r, resum = "\nArxius ";
  for (std::size_t i = 0; i < n; i++) {
    if ((i + 1) * part <= mida) r += "Creat " + nom_part(origen, i) + "!\n";
    resum += nom_part(origen, i) + " ";
  }
  return r + resum + "creats!\n" + adeu;
}

// Splits, checks each part against coreutils' chunk of the same index, joins
// the parts back in order and checks the result against the source.
void anada_i_tornada(std::size_t mida) {
  SCOPED_TRACE("size " + std::to_string(mida));
  const std::string dades = aleatoris(mida, static_cast<unsigned>(mida));
  CarpetaTemporal carpeta, referencia;
  carpeta.escriu("src", dades);
  referencia.escriu("src", dades);
  espera(executa(carpeta, {"-p", "src"}), sortida_particio("src", mida));
  auto split = prova::executa({.programa = "/usr/bin/split",
                               .entrada = "",
                               .arguments = {"-b", std::to_string(part), "-d", "-a", "2", "src", "part."},
                               .carpeta = referencia.cami()});
  ASSERT_EQ(split.estat, 0) << split.errors;

  std::size_t n = mida / part + (mida % part ? 1 : 0);
  std::set<std::string> esperats {"src"};
  std::vector<std::string> unio {"-u", "out"};
  std::string sortida_unio = "\n";
  for (std::size_t i = 0; i < n; i++) {
    char tros[32];
    std::snprintf(tros, sizeof tros, "part.%02zu", i);
    EXPECT_TRUE(carpeta.llegeix(nom_part("src", i)) == referencia.llegeix(tros)) << "part " << i;
    esperats.insert(nom_part("src", i));
    unio.push_back(nom_part("src", i));
    sortida_unio += "Arxiu " + nom_part("src", i) + " incrustat!\n";
  }
  EXPECT_EQ(noms(carpeta), esperats);
  EXPECT_TRUE(carpeta.llegeix("src") == dades);
  if (n == 0) return;
  espera(executa(carpeta, unio), sortida_unio + adeu);
  EXPECT_TRUE(carpeta.llegeix("out") == dades);
}

TEST(FileSplitter, PartsAreCoreutilsChunksAndJoinGivesTheSourceBack) {
  for (std::size_t mida :
       {std::size_t {0}, std::size_t {1}, part - 1, part, part + 1, 2 * part, std::size_t {10} << 20})
    anada_i_tornada(mida);
}

TEST(FileSplitter, TwentyFivePartsBothWays) { anada_i_tornada(25 * part); }

TEST(FileSplitter, ParameterErrors) {
  std::vector<Cas> casos;
  for (std::vector<std::string> a : std::vector<std::vector<std::string>> {
           {}, {"-p"}, {"-u"}, {"dades.bin"}, {"-x"}, {"-u", "dades.bin"}, {"-U", "dades.bin"}})
    casos.push_back({.nom = "insufficient: " + std::to_string(a.size()) + (a.empty() ? "" : " " + a[0]),
                     .entrada = "xy",
                     .sortida = insuficients,
                     .estat = 255,
                     .arguments = a,
                     .abans = {{"dades.bin", "abc"}},
                     .despres = prova::Fitxers {{"dades.bin", "abc"}}});
  for (const char *primer_parametre : {"-x", "p", "-X", "-pu", "a.bin", "-"})
    casos.push_back({.nom = std::string("first parameter ") + primer_parametre,
                     .entrada = "",
                     .sortida = primer,
                     .estat = 255,
                     .arguments = {primer_parametre, "dades.bin", "c"},
                     .abans = {{"dades.bin", "abc"}},
                     .despres = prova::Fitxers {{"dades.bin", "abc"}}});
  prova::comprova("file-splitter", casos);
}

TEST(FileSplitter, CapitalFlagsFoldersInNamesAndIgnoredParameters) {
  CarpetaTemporal carpeta;
  fs::create_directory(carpeta.cami("Sub"));
  carpeta.escriu("Sub/X.B", "hola");
  espera(executa(carpeta, {"-P", "Sub/X.B", "extra", "-u"}), "\nArxius Sub/X.B0.dat creats!\n" + adeu);
  EXPECT_EQ(carpeta.llegeix("Sub/X.B0.dat"), "hola");
  EXPECT_EQ(noms(carpeta), (std::set<std::string> {"Sub"}));
  espera(executa(carpeta, {"-U", "Sub/Y", "Sub/X.B0.dat"}), "\nArxiu Sub/X.B0.dat incrustat!\n" + adeu);
  EXPECT_EQ(carpeta.llegeix("Sub/Y"), "hola");
}

// Part names are never cut: a long one is kept whole, and one the system
// refuses is a part that cannot be created.
TEST(FileSplitter, LongPartNames) {
  CarpetaTemporal carpeta;
  const std::string carpeta_llarga(200, 'd'), nom_llarg(100, 's'), massa_llarg(251, 'm');
  fs::create_directory(carpeta.cami(carpeta_llarga));
  const std::string origen = carpeta_llarga + "/" + nom_llarg;
  carpeta.escriu(origen, "abc");
  espera(executa(carpeta, {"-p", origen}), "\nArxius " + origen + "0.dat creats!\n" + adeu);
  EXPECT_EQ(carpeta.llegeix(origen + "0.dat"), "abc");
  carpeta.escriu(massa_llarg, "abc");
  espera(executa(carpeta, {"-p", massa_llarg}),
         "\nL'arxiu de desti " + massa_llarg + "0.dat no es pot crear!\n" + adeu);
  EXPECT_EQ(noms(carpeta), (std::set<std::string> {carpeta_llarga, massa_llarg}));
}

TEST(FileSplitter, EmptySourceCreatesNothingAndTouchesNothing) {
  CarpetaTemporal carpeta;
  carpeta.escriu("src", "");
  carpeta.escriu("src0.dat", "antic");
  espera(executa(carpeta, {"-p", "src"}), "\nArxius creats!\n" + adeu);
  EXPECT_EQ(carpeta.llegeix("src0.dat"), "antic");
}

TEST(FileSplitter, SourcesThatCannotBeSplit) {
  CarpetaTemporal carpeta;
  espera(executa(carpeta, {"-p", "nohiha"}), "\nL'arxiu d'origen nohiha no existeix!\n" + adeu);
  fs::create_directory(carpeta.cami("carpeta"));
  espera(executa(carpeta, {"-p", "carpeta"}), "\nL'arxiu d'origen carpeta no existeix!\n" + adeu);
  // A pipe has no size to take.
  espera(executa(carpeta, {"-p", "/dev/stdin"}, "dades"), "\nL'arxiu d'origen /dev/stdin no existeix!\n" + adeu);
  EXPECT_EQ(noms(carpeta), (std::set<std::string> {"carpeta"}));
  EXPECT_TRUE(fs::is_empty(carpeta.cami("carpeta")));

  // One byte more than 25 parts hold: refused before any part exists.
  carpeta.escriu("gran", "");
  fs::resize_file(carpeta.cami("gran"), 25 * part + 1);
  espera(executa(carpeta, {"-p", "gran"}), "\nL'arxiu d'origen gran es massa gran (maxim 25 parts)!\n" + adeu);
  EXPECT_EQ(noms(carpeta), (std::set<std::string> {"carpeta", "gran"}));
}

// Only a regular file is opened: a named pipe would hold the program at its
// opening for ever, and a device or a file of /proc has no size to split by.
TEST(FileSplitter, NamedPipesAndDevicesAreNeverSplitNorJoined) {
  CarpetaTemporal carpeta;
  auto executa_fins = [&](const std::vector<std::string> &arguments) {
    return prova::executa({.programa = "file-splitter",
                           .entrada = "",
                           .arguments = arguments,
                           .carpeta = carpeta.cami(),
                           .temps_maxim_ms = 10000});
  };
  ASSERT_EQ(mkfifo(carpeta.cami("canal").c_str(), 0600), 0);
  carpeta.escriu("p0", "zero");
  espera(executa_fins({"-p", "canal"}), "\nL'arxiu d'origen canal no existeix!\n" + adeu);
  for (const char *sistema : {"/proc/cpuinfo", "/dev/urandom", "/dev/null"}) {
    SCOPED_TRACE(sistema);
    espera(executa_fins({"-p", sistema}), std::string("\nL'arxiu d'origen ") + sistema + " no existeix!\n" + adeu);
  }
  espera(executa_fins({"-u", "nou", "p0", "canal"}), "\n\nL'arxiu d'origen canal no existeix!\n" + adeu);
  EXPECT_EQ(carpeta.llegeix("nou"), "");
  fs::remove(carpeta.cami("nou"));
  // As a destination or a part's name it is there, and cannot be created.
  espera(executa_fins({"-u", "canal", "p0"}), "\nL'arxiu de desti canal no es pot crear!\n" + adeu);
  ASSERT_EQ(mkfifo(carpeta.cami("p1.dat").c_str(), 0600), 0);
  carpeta.escriu("p", std::string(part + 1, 'x'));
  espera(executa_fins({"-p", "p"}), "\nL'arxiu de desti p1.dat no es pot crear!\n" + adeu);
  EXPECT_EQ(noms(carpeta), (std::set<std::string> {"canal", "p0", "p", "p0.dat", "p1.dat"}));
}

TEST(FileSplitter, ClashesStopBeforeAnyCopy) {
  const std::string dades = aleatoris(2 * part + 1, 7);
  for (int k : {0, 1}) {
    SCOPED_TRACE("clash on part " + std::to_string(k));
    CarpetaTemporal carpeta;
    carpeta.escriu("src", dades);
    carpeta.escriu(nom_part("src", k), "antic");
    espera(executa(carpeta, {"-p", "src"}), "\nL'arxiu de desti " + nom_part("src", k) + " ja existeix!\n" + adeu);
    EXPECT_EQ(carpeta.llegeix(nom_part("src", k)), "antic");
    for (int i = 0; i < k; i++) EXPECT_EQ(carpeta.llegeix(nom_part("src", i)), "");
    EXPECT_EQ(noms(carpeta).size(), 2u + static_cast<std::size_t>(k));
  }
  // A dangling link into a missing folder, and a folder, are names that
  // cannot be created; nothing is created through the link.
  for (bool enllac : {true, false}) {
    CarpetaTemporal carpeta;
    carpeta.escriu("src", dades);
    if (enllac)
      fs::create_symlink("nohiha/x", carpeta.cami("src1.dat"));
    else
      fs::create_directory(carpeta.cami("src1.dat"));
    espera(executa(carpeta, {"-p", "src"}), "\nL'arxiu de desti src1.dat no es pot crear!\n" + adeu);
    EXPECT_EQ(carpeta.llegeix("src0.dat"), "");
    EXPECT_EQ(noms(carpeta), (std::set<std::string> {"src", "src0.dat", "src1.dat"}));
  }
}

TEST(FileSplitter, JoinsThatStop) {
  CarpetaTemporal carpeta;
  carpeta.escriu("p0", "zero");
  carpeta.escriu("buit", "");
  carpeta.escriu("out", "antic");
  espera(executa(carpeta, {"-u", "out", "p0"}), "\nL'arxiu de desti out ja existeix!\n" + adeu);
  EXPECT_EQ(carpeta.llegeix("out"), "antic");

  // The same part twice and an empty part are fine.
  espera(executa(carpeta, {"-u", "dos", "p0", "buit", "p0"}),
         "\nArxiu p0 incrustat!\nArxiu buit incrustat!\nArxiu p0 incrustat!\n" + adeu);
  EXPECT_EQ(carpeta.llegeix("dos"), "zerozero");

  for (const char *desti : {"penjat", "nohiha/out"}) {
    SCOPED_TRACE(desti);
    fs::create_symlink("nohiha/x", carpeta.cami("penjat"));
    espera(executa(carpeta, {"-u", desti, "p0"}),
           std::string("\nL'arxiu de desti ") + desti + " no es pot crear!\n" + adeu);
    fs::remove(carpeta.cami("penjat"));
  }

  // Every part is opened before any is copied: a missing part, a folder, the
  // destination itself or a link to it leave the destination empty.
  fs::create_directory(carpeta.cami("carpeta"));
  fs::create_symlink("nou", carpeta.cami("enllac"));
  for (const char *dolenta : {"falta", "carpeta", "nou", "enllac"}) {
    SCOPED_TRACE(dolenta);
    espera(executa(carpeta, {"-u", "nou", "p0", dolenta, "p0"}, "abc"),
           std::string("\n\nL'arxiu d'origen ") + dolenta + " no existeix!\n" + adeu);
    EXPECT_EQ(carpeta.llegeix("nou"), "");
    EXPECT_EQ(carpeta.llegeix("p0"), "zero");
    fs::remove(carpeta.cami("nou"));
  }
  EXPECT_EQ(noms(carpeta), (std::set<std::string> {"p0", "buit", "out", "dos", "carpeta", "enllac"}));
}

TEST(FileSplitter, MoreThanTwentyFiveNamesAreRefused) {
  for (int n : {26, 30}) {
    CarpetaTemporal carpeta;
    carpeta.escriu("p", "x");
    std::vector<std::string> a {"-u", "out"};
    for (int i = 0; i < n; i++) a.push_back("p");
    espera(executa(carpeta, a), "\nMassa parts per unir (maxim 25)!\n" + adeu);
    EXPECT_EQ(noms(carpeta), (std::set<std::string> {"p"}));
  }
}

// Under a file size limit of 1,024,000 bytes (EFBIG past it) the first part
// cannot be written: the failure is told and nothing is announced.
TEST(FileSplitter, WriteFailuresAreTold) {
  const std::string dades = aleatoris(part + 1, 3);
  CarpetaTemporal carpeta;
  carpeta.escriu("src", dades);
  carpeta.escriu("p", dades);
  auto amb_limit = [&](std::vector<std::string> a) {
    a.insert(a.begin(),
             {"-c", "ulimit -f 2000; trap '' XFSZ; exec \"$0\" \"$@\"", prova::cami_programa("file-splitter")});
    return prova::executa({.programa = "/bin/sh", .entrada = "", .arguments = a, .carpeta = carpeta.cami()});
  };
  espera(amb_limit({"-p", "src"}), "\nL'arxiu de desti src0.dat no es pot escriure!\n" + adeu);
  EXPECT_EQ(fs::file_size(carpeta.cami("src1.dat")), 0u);
  espera(amb_limit({"-u", "out", "p"}), "\n\nL'arxiu de desti out no es pot escriure!\n" + adeu);
  EXPECT_TRUE(carpeta.llegeix("p") == dades);
}

// The failure and the goodbye each take one byte: with input left open, a
// third pause would wait for ever.
TEST(FileSplitter, ExactlyTwoPausesAfterAFailure) {
  CarpetaTemporal carpeta;
  auto r = prova::executa({.programa = "file-splitter",
                           .entrada = "ab",
                           .arguments = {"-p", "nohiha"},
                           .carpeta = carpeta.cami(),
                           .temps_maxim_ms = 10000,
                           .entrada_oberta = true});
  espera(r, "\nL'arxiu d'origen nohiha no existeix!\n" + adeu);
}

}  // namespace
