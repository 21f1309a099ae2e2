// The safe replacement of a file: a temporary file of its own, then rename.
#include "desa.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "intern.h"

namespace plataforma {

namespace {

std::string carpeta_de(const std::string &cami) {
  std::size_t barra = cami.rfind('/');
  if (barra == std::string::npos) return ".";
  return barra == 0 ? "/" : cami.substr(0, barra);
}

// The file a name stands for once its symbolic links are followed; the name
// itself when it is not a link.
bool segueix_enllacos(std::string &cami) {
  for (int salts = 0; salts < 40; salts++) {
    struct stat info {};
    if (lstat(cami.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    char desti[PATH_MAX];
    ssize_t n = readlink(cami.c_str(), desti, sizeof desti - 1);
    if (n < 0) return false;
    std::string seguent(desti, static_cast<std::size_t>(n));
    cami = seguent[0] == '/' ? seguent : carpeta_de(cami) + "/" + seguent;
  }
  errno = ELOOP;
  return false;
}

bool copia(int origen, int desti) {
  if (lseek(origen, 0, SEEK_SET) != 0) return false;
  char bloc[1 << 16];
  for (;;) {
    ssize_t n = read(origen, bloc, sizeof bloc);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (!intern::escriu_tot(desti, bloc, static_cast<std::size_t>(n))) return false;
  }
}

}  // namespace

bool desa_segur(const char *nom, const std::function<bool(std::FILE *)> &escriu) {
  std::string real = nom;
  if (!segueix_enllacos(real)) return false;
  struct stat vell {};
  bool existeix = stat(real.c_str(), &vell) == 0;
  if (existeix) {
    if (S_ISDIR(vell.st_mode)) {
      errno = EISDIR;
      return false;
    }
    // What the plain "wb" open of the file could not do, the save does not do.
    int prova = open(real.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (prova < 0) return false;
    close(prova);
  }

  std::string nom_real = real.substr(real.rfind('/') == std::string::npos ? 0 : real.rfind('/') + 1);
  std::string temporal = carpeta_de(real) + "/." + nom_real + ".XXXXXX";
  int fd = mkostemp(temporal.data(), O_CLOEXEC);
  if (fd < 0) return false;
  mode_t permisos;
  if (existeix) {
    permisos = vell.st_mode & 07777;
  } else {
    mode_t mascara = umask(0);
    umask(mascara);
    permisos = 0666 & ~mascara;
  }
  int error = 0;
  auto falla = [&] {
    if (!error) error = errno ? errno : EIO;
    return false;
  };
  std::FILE *f = fdopen(fd, "wb");
  if (!f) {
    error = errno;
    close(fd);
    unlink(temporal.c_str());
    errno = error;
    return false;
  }
  bool be = fchmod(fd, permisos) == 0 || falla();
  errno = 0;
  be = be && (escriu(f) || falla());
  be = be && (std::fflush(f) == 0 || falla());
  be = be && (fsync(fd) == 0 || falla());
  if (be && existeix && vell.st_nlink > 1) {
    // Every link sees the new contents: the file itself is rewritten.
    int desti = open(real.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    be = desti >= 0 || falla();
    be = be && (copia(fd, desti) || falla());
    if (desti >= 0 && close(desti) != 0) be = be && falla();
    if (std::fclose(f) != 0) be = be && falla();
    unlink(temporal.c_str());
  } else {
    if (std::fclose(f) != 0) be = be && falla();
    be = be && (std::rename(temporal.c_str(), real.c_str()) == 0 || falla());
    if (!be) unlink(temporal.c_str());
  }
  if (!be) errno = error;
  return be;
}

}  // namespace plataforma
