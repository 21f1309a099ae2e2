// The contact book's files tried by a hostile user: permissions, links,
// planted names, folders, full disks, a failing spooler, closed streams.
// As root the program runs as user 65534, so that permissions apply.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "agenda.h"
#include "programa.h"

namespace {

using prova::CarpetaTemporal;

const std::string no_obert = "\nNo es pot obrir l'arxiu agenda.dat!\n";
const std::string adeu_fallit = no_obert + "\n\tAdeu!";
const std::string prompts =
    "\nFica el NOM del nou contacte: \nFica el PRIMER COGNOM del nou contacte: \nFica el SEGON COGNOM del nou "
    "contacte: \nFica el TELEFON del nou contacte: ";

std::string registre(std::int32_t numero, const std::string &nom) {
  std::string r(60, '\0');
  r[0] = static_cast<char>(numero);
  r.replace(4, nom.size(), nom);
  r.replace(19, 1, "C");
  r.replace(34, 1, "D");
  r.replace(49, 1, "1");
  return r;
}
const std::string un = registre(0, "Pere");
const std::string dos = un + registre(1, "Nou");
const std::string entra_nou = "1\nNou\nC\nD\n1\n";

constexpr uid_t altre = 65534;
bool som_root() { return geteuid() == 0; }

// Runs the contact book in the folder; as root, as another user who owns
// the folder and whatever is in it.
prova::Resultat executa(const CarpetaTemporal &carpeta, const std::string &entrada,
                        std::vector<std::pair<std::string, std::string>> entorn = {}) {
  if (!som_root())
    return prova::executa(
        {.programa = "contact-book", .entrada = entrada, .carpeta = carpeta.cami(), .entorn = entorn});
  return prova::executa(
      {.programa = "/usr/bin/setpriv",
       .entrada = entrada,
       .arguments = {"--reuid=65534", "--regid=65534", "--clear-groups", prova::cami_programa("contact-book")},
       .carpeta = carpeta.cami(),
       .entorn = entorn});
}

// As root: the folder and its files now belong to the other user.
void dona(const CarpetaTemporal &carpeta) {
  if (!som_root()) return;
  chmod(carpeta.cami().c_str(), 0755);
  for (const auto &e : std::filesystem::recursive_directory_iterator(carpeta.cami()))
    lchown(e.path().c_str(), altre, altre);
  lchown(carpeta.cami().c_str(), altre, altre);
}

mode_t permisos(const std::string &cami) {
  struct stat info {};
  stat(cami.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(ContactBookDesa, AFileThatCannotBeWrittenIsLeftAlone) {
  for (mode_t mode : {0444, 0000, 0200}) {
    SCOPED_TRACE(mode);
    CarpetaTemporal carpeta;
    carpeta.escriu("agenda.dat", un);
    dona(carpeta);
    chmod(carpeta.cami("agenda.dat").c_str(), mode);
    // 0200 can be written but not read: the contacts were never loaded, so
    // the empty table must not replace them.
    auto r = executa(carpeta, "0\n");
    EXPECT_EQ(prova::visible(r.sortida), prova::visible(menu + adeu_fallit));
    chmod(carpeta.cami("agenda.dat").c_str(), 0600);
    EXPECT_EQ(carpeta.llegeix("agenda.dat"), un);
    EXPECT_EQ(carpeta.fitxers().size(), 1u);
  }
}

TEST(ContactBookDesa, AnotherUsersPrivateFileIsLeftAlone) {
  if (!som_root()) GTEST_SKIP() << "needs a file of another user";
  CarpetaTemporal carpeta;
  dona(carpeta);
  carpeta.escriu("agenda.dat", un);  // root's own, 0600
  chmod(carpeta.cami("agenda.dat").c_str(), 0600);
  auto r = executa(carpeta, entra_nou + "9\nk0\n");
  EXPECT_EQ(prova::visible(r.sortida), prova::visible(menu + prompts + menu + no_obert + menu + adeu_fallit));
  EXPECT_EQ(carpeta.llegeix("agenda.dat"), un);
  EXPECT_EQ(permisos(carpeta.cami("agenda.dat")), 0600u);
}

TEST(ContactBookDesa, TheFilesModeIsKept) {
  CarpetaTemporal carpeta;
  carpeta.escriu("agenda.dat", un);
  dona(carpeta);
  chmod(carpeta.cami("agenda.dat").c_str(), 0600);
  auto r = executa(carpeta, entra_nou + "0\n");
  EXPECT_EQ(r.sortida, menu + prompts + menu + adeu);
  EXPECT_EQ(carpeta.llegeix("agenda.dat"), dos);
  EXPECT_EQ(permisos(carpeta.cami("agenda.dat")), 0600u);
  EXPECT_EQ(carpeta.fitxers().size(), 1u);  // no temporary file left
}

TEST(ContactBookDesa, ALinkedFileIsUpdatedThroughItsLinks) {
  CarpetaTemporal carpeta;
  std::filesystem::create_directory(carpeta.cami("dades"));
  carpeta.escriu("dades/real.dat", un);
  ASSERT_EQ(symlink("dades/real.dat", carpeta.cami("agenda.dat").c_str()), 0);
  carpeta.escriu("dur.dat", un);
  ASSERT_EQ(link(carpeta.cami("dur.dat").c_str(), carpeta.cami("dades/copia.dat").c_str()), 0);
  dona(carpeta);
  auto r = executa(carpeta, entra_nou + "0\n");
  EXPECT_EQ(r.sortida, menu + prompts + menu + adeu);
  EXPECT_TRUE(std::filesystem::is_symlink(carpeta.cami("agenda.dat")));
  EXPECT_EQ(carpeta.llegeix("dades/real.dat"), dos);

  // A file with two names: both see the new contents.
  CarpetaTemporal altra;
  altra.escriu("agenda.dat", un);
  ASSERT_EQ(link(altra.cami("agenda.dat").c_str(), altra.cami("copia.dat").c_str()), 0);
  dona(altra);
  r = executa(altra, entra_nou + "0\n");
  EXPECT_EQ(r.sortida, menu + prompts + menu + adeu);
  EXPECT_EQ(altra.llegeix("agenda.dat"), dos);
  EXPECT_EQ(altra.llegeix("copia.dat"), dos);
  EXPECT_EQ(std::filesystem::hard_link_count(altra.cami("agenda.dat")), 2u);
}

TEST(ContactBookDesa, APlantedTemporaryNameIsNeverFollowed) {
  CarpetaTemporal carpeta;
  carpeta.escriu("victima", "no tocar");
  ASSERT_EQ(symlink("victima", carpeta.cami("agenda.dat.tmp").c_str()), 0);
  dona(carpeta);
  auto r = executa(carpeta, entra_nou + "0\n");
  EXPECT_EQ(r.sortida, menu + prompts + menu + adeu);
  EXPECT_EQ(carpeta.llegeix("victima"), "no tocar");
  EXPECT_TRUE(std::filesystem::is_symlink(carpeta.cami("agenda.dat.tmp")));
  EXPECT_EQ(carpeta.llegeix("agenda.dat"), registre(0, "Nou"));
}

TEST(ContactBookDesa, AFolderNamedAgendaDatCannotBeOpened) {
  CarpetaTemporal carpeta;
  std::filesystem::create_directories(carpeta.cami("agenda.dat/dins"));
  dona(carpeta);
  auto r = executa(carpeta, "8\nk9\nk0\n");
  EXPECT_EQ(prova::visible(r.sortida), prova::visible(menu + no_obert + menu + no_obert + menu + adeu_fallit));
  EXPECT_TRUE(std::filesystem::is_directory(carpeta.cami("agenda.dat/dins")));
  EXPECT_TRUE(carpeta.fitxers().empty());
}

TEST(ContactBookDesa, AReadOnlyFolderLosesNothing) {
  CarpetaTemporal carpeta;
  carpeta.escriu("agenda.dat", un);
  dona(carpeta);
  chmod(carpeta.cami().c_str(), 0555);
  auto r = executa(carpeta, entra_nou + "0\n");
  chmod(carpeta.cami().c_str(), 0755);
  EXPECT_EQ(prova::visible(r.sortida), prova::visible(menu + prompts + menu + adeu_fallit));
  EXPECT_EQ(carpeta.llegeix("agenda.dat"), un);
  EXPECT_EQ(carpeta.fitxers().size(), 1u);
}

// --- The report and the printer --------------------------------------------------

class ContactBookInforme : public ::testing::Test {
 protected:
  // A spooler on the PATH that ends with the given status.
  std::vector<std::pair<std::string, std::string>> cua(int estat) {
    std::string guio = cua_.cami("lp");
    FILE *f = std::fopen(guio.c_str(), "w");
    std::fprintf(f, "#!/bin/sh\n/bin/cat > /dev/null\nexit %d\n", estat);
    std::fclose(f);
    chmod(guio.c_str(), 0755);
    chmod(cua_.cami().c_str(), 0755);
    return {{"PATH", cua_.cami()}};
  }
  CarpetaTemporal cua_;
};

const std::string capsalera_informe = "Num Nom             Primer cognom   Segon cognom    Telefon   ";

TEST_F(ContactBookInforme, AFullDiskIsNotAReport) {
  CarpetaTemporal carpeta;
  ASSERT_EQ(symlink("/dev/full", carpeta.cami("agenda.txt").c_str()), 0);
  dona(carpeta);
  auto r = executa(carpeta, "10\n0\n", cua(0));
  EXPECT_EQ(r.sortida, menu + "\nNo es pot obrir l'arxiu agenda.txt!\n" + menu + adeu);
  EXPECT_EQ(r.estat, 0);
}

TEST_F(ContactBookInforme, AFailingSpoolerIsThePrinterError) {
  CarpetaTemporal carpeta;
  dona(carpeta);
  auto r = executa(carpeta, entra_nou + "10\ns\n", cua(1));
  EXPECT_EQ(r.sortida, menu + prompts + menu + "\nInforme generat! Vols imprimir-lo? (s/n) ");
  EXPECT_EQ(r.errors, "Could not open \"prn\" for output: Input/output error\n");
  EXPECT_EQ(r.estat, 1);
  EXPECT_EQ(carpeta.llegeix("agenda.dat"), registre(0, "Nou"));
}

TEST_F(ContactBookInforme, AFolderNamedLpIsNoSpooler) {
  CarpetaTemporal carpeta;
  dona(carpeta);
  std::filesystem::create_directory(cua_.cami("lp"));
  chmod(cua_.cami().c_str(), 0755);
  auto r = executa(carpeta, "10\ns\n", {{"PATH", cua_.cami()}});
  EXPECT_EQ(r.sortida, menu + "\nInforme generat! Vols imprimir-lo? (s/n) ");
  EXPECT_EQ(r.errors, "Could not open \"prn\" for output: No such file or directory\n");
  EXPECT_EQ(r.estat, 1);
}

// --- Standard streams ------------------------------------------------------------

TEST_F(ContactBookInforme, AClosedOutputDoesNotLandInTheReport) {
  CarpetaTemporal carpeta;
  auto entorn = cua(0);
  auto r = prova::executa({.programa = "/bin/sh",
                           .entrada = "10\nn\n0\n",
                           .arguments = {"-c", "exec \"$0\" >&-", prova::cami_programa("contact-book")},
                           .carpeta = carpeta.cami(),
                           .entorn = entorn});
  // Its menus were lost: not a success.
  EXPECT_EQ(r.estat, 1);
  EXPECT_EQ(r.errors, "contact-book: write error: Bad file descriptor\n");
  EXPECT_EQ(carpeta.llegeix("agenda.txt"), capsalera_informe);
}

TEST(ContactBookSortida, AnOutputErrorIsNotSuccess) {
  CarpetaTemporal carpeta;
  auto r = prova::executa({.programa = "/bin/sh",
                           .entrada = "0\n",
                           .arguments = {"-c", "exec \"$0\" > /dev/full", prova::cami_programa("contact-book")},
                           .carpeta = carpeta.cami()});
  EXPECT_EQ(r.errors, "contact-book: write error: No space left on device\n");
  EXPECT_EQ(r.estat, 1);
  EXPECT_EQ(carpeta.llegeix("agenda.dat"), "");  // the save itself went well
}

}  // namespace
