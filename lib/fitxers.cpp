// Files with the original runtime's modes: text mode (CR LF on disk),
// exclusive creation, folders refused, and the printer device "prn".
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <string_view>

#include "intern.h"
#include "plataforma.h"

namespace plataforma {

namespace {

using namespace intern;

// ---------------------------------------------------------------------------
// The state of every stream opened here stays listed until the stream is
// closed: a program may end with a file still open, and the standard library
// then flushes the stream without closing it.

std::set<const void *> &oberts() {
  static auto *vius = new std::set<const void *>;  // never destroyed: streams outlive static objects
  return *vius;
}

// ---------------------------------------------------------------------------
// Text-mode files: each line feed is stored as CR LF and CR LF is read back
// as a line feed. Other bytes pass unchanged.

struct FitxerText {
  int fd;
  bool cr_pendent = false;  // a CR read at the end of a block, its LF not yet seen
  std::string llegit;       // converted bytes not yet handed to the stream
};

ssize_t llegeix_text(void *galeta, char *desti, std::size_t mida) {
  auto *f = static_cast<FitxerText *>(galeta);
  while (f->llegit.empty()) {
    char bloc[4096];
    ssize_t n = read(f->fd, bloc, sizeof bloc);
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) {
      if (!f->cr_pendent) return 0;
      f->cr_pendent = false;
      f->llegit.push_back('\r');
      break;
    }
    for (ssize_t i = 0; i < n; i++) {
      char c = bloc[i];
      if (f->cr_pendent) {
        f->cr_pendent = false;
        if (c == '\n') {
          f->llegit.push_back('\n');
          continue;
        }
        f->llegit.push_back('\r');
      }
      if (c == '\r')
        f->cr_pendent = true;
      else
        f->llegit.push_back(c);
    }
  }
  std::size_t n = f->llegit.size() < mida ? f->llegit.size() : mida;
  std::memcpy(desti, f->llegit.data(), n);
  f->llegit.erase(0, n);
  return static_cast<ssize_t>(n);
}

std::string amb_cr(const char *dades, std::size_t mida) {
  std::string r;
  r.reserve(mida + mida / 8);
  for (std::size_t i = 0; i < mida; i++) {
    if (dades[i] == '\n') r.push_back('\r');
    r.push_back(dades[i]);
  }
  return r;
}

ssize_t escriu_text(void *galeta, const char *dades, std::size_t mida) {
  auto *f = static_cast<FitxerText *>(galeta);
  std::string convertit = amb_cr(dades, mida);
  if (!escriu_tot(f->fd, convertit.data(), convertit.size())) return -1;
  return static_cast<ssize_t>(mida);
}

int situa_text(void *galeta, off64_t *posicio, int des_de) {
  auto *f = static_cast<FitxerText *>(galeta);
  off64_t nova = lseek64(f->fd, *posicio, des_de);
  if (nova < 0) return -1;
  f->cr_pendent = false;
  f->llegit.clear();
  *posicio = nova;
  return 0;
}

int tanca_text(void *galeta) {
  auto *f = static_cast<FitxerText *>(galeta);
  int r = close(f->fd);
  oberts().erase(f);
  delete f;
  return r;
}

// ---------------------------------------------------------------------------
// The printer: the bytes written are kept and handed to the print spooler
// when the stream is closed. Nothing is submitted when nothing was written.

struct Impressora {
  std::string ordre;  // full path of lp or lpr
  bool text;
  std::string dades;
};

std::string cerca_al_cami(const char *nom) {
  const char *cami = std::getenv("PATH");
  std::string_view carpetes = cami ? cami : "/usr/bin:/bin";
  while (true) {
    std::size_t fi = carpetes.find(':');
    std::string_view carpeta = carpetes.substr(0, fi);
    std::string candidat(carpeta.empty() ? std::string_view(".") : carpeta);
    candidat.append("/").append(nom);
    if (access(candidat.c_str(), X_OK) == 0) return candidat;
    if (fi == std::string_view::npos) return "";
    carpetes.remove_prefix(fi + 1);
  }
}

ssize_t escriu_impressora(void *galeta, const char *dades, std::size_t mida) {
  auto *p = static_cast<Impressora *>(galeta);
  if (p->text)
    p->dades += amb_cr(dades, mida);
  else
    p->dades.append(dades, mida);
  return static_cast<ssize_t>(mida);
}

// Runs the spooler with the bytes on its standard input; its own report
// ("request id is ...") is not the program's output and is discarded.
bool envia_a_cua(const std::string &ordre, const std::string &dades) {
  int canal[2];
  if (pipe(canal) != 0) return false;
  pid_t fill = fork();
  if (fill < 0) {
    close(canal[0]);
    close(canal[1]);
    return false;
  }
  if (fill == 0) {
    dup2(canal[0], STDIN_FILENO);
    close(canal[0]);
    close(canal[1]);
    int nul = open("/dev/null", O_WRONLY);
    if (nul >= 0) dup2(nul, STDOUT_FILENO);
    execl(ordre.c_str(), ordre.c_str(), static_cast<char *>(nullptr));
    _exit(127);
  }
  close(canal[0]);
  struct sigaction ignora {}, previa {};
  ignora.sa_handler = SIG_IGN;
  sigaction(SIGPIPE, &ignora, &previa);
  bool escrit = escriu_tot(canal[1], dades.data(), dades.size());
  close(canal[1]);
  sigaction(SIGPIPE, &previa, nullptr);
  int estat = 0;
  while (waitpid(fill, &estat, 0) < 0 && errno == EINTR) {
  }
  return escrit && WIFEXITED(estat) && WEXITSTATUS(estat) == 0;
}

int tanca_impressora(void *galeta) {
  auto *p = static_cast<Impressora *>(galeta);
  bool be = p->dades.empty() || envia_a_cua(p->ordre, p->dades);
  oberts().erase(p);
  delete p;
  return be ? 0 : -1;
}

FILE *obre_impressora(bool text) {
  std::string ordre = cerca_al_cami("lp");
  if (ordre.empty()) ordre = cerca_al_cami("lpr");
  if (ordre.empty()) {
    errno = ENOENT;
    return nullptr;
  }
  auto *p = new Impressora{ordre, text, {}};
  cookie_io_functions_t funcions{nullptr, escriu_impressora, nullptr, tanca_impressora};
  FILE *f = fopencookie(p, "w", funcions);
  if (f)
    oberts().insert(p);
  else
    delete p;
  return f;
}

}  // namespace

FILE *fopen(const char *nom, const char *mode) {
  std::string_view m = mode;
  bool binari = m.find('b') != std::string_view::npos;
  bool mes = m.find('+') != std::string_view::npos;
  char base = m.empty() ? '\0' : m[0];
  bool exclusiu = base == 'w' && m.find('x') != std::string_view::npos;
  if (base != 'r' && base != 'w' && base != 'a') {
    errno = EINVAL;
    return nullptr;
  }
  std::string net(1, base);
  if (mes) net += '+';

  if (strcasecmp(nom, "prn") == 0) {
    if (base == 'r' && !mes) {
      errno = EACCES;
      return nullptr;
    }
    return obre_impressora(!binari);
  }

  int senyals_obertura = base == 'r' ? 0 : base == 'w' ? O_CREAT | O_TRUNC : O_CREAT | O_APPEND;
  if (exclusiu) senyals_obertura = O_CREAT | O_EXCL;
  senyals_obertura |= mes ? O_RDWR : base == 'r' ? O_RDONLY : O_WRONLY;
  int fd = open(nom, senyals_obertura | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    close(fd);
    errno = EISDIR;
    return nullptr;
  }
  if (binari) {
    FILE *flux = fdopen(fd, (net + 'b').c_str());
    if (!flux) {
      int error = errno;
      close(fd);
      errno = error;
    }
    return flux;
  }
  auto *f = new FitxerText{fd, false, {}};
  cookie_io_functions_t funcions{llegeix_text, escriu_text, situa_text, tanca_text};
  FILE *flux = fopencookie(f, net.c_str(), funcions);
  if (!flux) {
    int error = errno;
    close(fd);
    delete f;
    errno = error;
    return nullptr;
  }
  oberts().insert(f);
  return flux;
}

}  // namespace plataforma
