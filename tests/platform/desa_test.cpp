// The safe replacement of a file, on its own: a failed write changes
// nothing and leaves no file behind; a new file gets the usual mode.
#include "desa.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "programa.h"

namespace {

using prova::CarpetaTemporal;

TEST(DesaSegur, AFailedWriteChangesNothing) {
  CarpetaTemporal carpeta;
  carpeta.escriu("f.dat", "vell");
  std::string nom = carpeta.cami("f.dat");
  EXPECT_FALSE(plataforma::desa_segur(nom.c_str(), [](std::FILE *f) {
    std::fputs("nou a mitges", f);
    return false;
  }));
  EXPECT_EQ(carpeta.llegeix("f.dat"), "vell");
  EXPECT_EQ(carpeta.fitxers().size(), 1u);
}

TEST(DesaSegur, ANewFileAndAFileReplaced) {
  CarpetaTemporal carpeta;
  std::string nom = carpeta.cami("nou.dat");
  mode_t mascara = umask(022);
  ASSERT_TRUE(plataforma::desa_segur(nom.c_str(), [](std::FILE *f) { return std::fputs("a\nb", f) >= 0; }));
  umask(mascara);
  EXPECT_EQ(carpeta.llegeix("nou.dat"), "a\nb");  // binary: no CR
  struct stat info {};
  ASSERT_EQ(stat(nom.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
  ASSERT_TRUE(plataforma::desa_segur(nom.c_str(), [](std::FILE *f) { return std::fputs("c", f) >= 0; }));
  EXPECT_EQ(carpeta.llegeix("nou.dat"), "c");
  EXPECT_EQ(carpeta.fitxers().size(), 1u);
}

TEST(DesaSegur, AFolderOrAMissingFolderFails) {
  CarpetaTemporal carpeta;
  errno = 0;
  EXPECT_FALSE(plataforma::desa_segur(carpeta.cami().c_str(), [](std::FILE *) { return true; }));
  EXPECT_EQ(errno, EISDIR);
  errno = 0;
  EXPECT_FALSE(plataforma::desa_segur(carpeta.cami("no/f.dat").c_str(), [](std::FILE *) { return true; }));
  EXPECT_EQ(errno, ENOENT);
}

}  // namespace
