// Files with the original runtime's modes: text mode (CR LF on disk),
// exclusive creation, folders refused, and the printer device "prn".
#include <fcntl.h>
#include <strings.h>
#include <sys/mman.h>
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
// The open-stream registry. The state of every stream opened here stays
// listed until the stream is closed. A program may end with a file still
// open: the standard library then flushes the stream but never closes it, so
// without this list its state would be unreachable at exit and
// LeakSanitizer would report it as a leak in every such program; and the
// text files' own unwritten bytes are written from here at exit.

std::set<const void *> &oberts() {
  static auto *vius = new std::set<const void *>;  // never destroyed: streams outlive static objects
  return *vius;
}

// ---------------------------------------------------------------------------
// Text-mode files: each line feed is stored as CR LF and CR LF is read back
// as a line feed. Other bytes pass unchanged.
//
// Positions are the file's own bytes, as the original runtime gave them, so
// the stream keeps no buffer of converted bytes of its own (the C library
// would count those, not the stored ones): this state holds the stored bytes
// read ahead and the converted bytes not yet written, and knows at every
// moment which stored byte comes next. The C library asks situa_text for
// every position of such a stream (it keeps none of its own for it).

struct FitxerText {
  int fd = -1;
  off64_t posicio_fd = 0;   // where the descriptor is
  std::string llegit;       // stored bytes read ahead, from posicio_fd - size
  std::size_t lliurat = 0;  // how many of them were handed out
  std::string pendent;      // stored bytes (CR LF already) not yet written

  // The stored position of the next byte read or written.
  off64_t posicio() const {
    return posicio_fd - static_cast<off64_t>(llegit.size() - lliurat) + static_cast<off64_t>(pendent.size());
  }
  bool buida_pendent() {
    if (pendent.empty()) return true;
    bool be = escriu_tot(fd, pendent.data(), pendent.size());
    if (be) posicio_fd += static_cast<off64_t>(pendent.size());
    pendent.clear();
    return be;
  }
  // Forgets the bytes read ahead, putting the descriptor back on the next one.
  bool torna_llegit() {
    if (lliurat == llegit.size()) {
      llegit.clear();
      lliurat = 0;
      return true;
    }
    off64_t on = posicio_fd - static_cast<off64_t>(llegit.size() - lliurat);
    llegit.clear();
    lliurat = 0;
    if (lseek64(fd, on, SEEK_SET) < 0) return false;
    posicio_fd = on;
    return true;
  }
  // Reads more stored bytes; false at the end of the file or on an error.
  bool omple(bool &error) {
    llegit.erase(0, lliurat);
    lliurat = 0;
    char bloc[1 << 16];
    for (;;) {
      ssize_t n = read(fd, bloc, sizeof bloc);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) error = true;
      if (n <= 0) return false;
      llegit.append(bloc, static_cast<std::size_t>(n));
      posicio_fd += n;
      return true;
    }
  }
};

std::set<FitxerText *> &texts_oberts() {
  static auto *vius = new std::set<FitxerText *>;
  return *vius;
}

// At exit, what text files left open hold is written, as the standard
// library does for its own buffers.
void buida_texts_oberts() {
  for (FitxerText *f : texts_oberts()) f->buida_pendent();
}

ssize_t llegeix_text(void *galeta, char *desti, std::size_t mida) {
  auto *f = static_cast<FitxerText *>(galeta);
  if (!f->buida_pendent()) return -1;
  std::size_t n = 0;
  bool error = false, fi = false;
  while (n < mida) {
    if (f->lliurat == f->llegit.size() && (fi || !f->omple(error))) break;
    char c = f->llegit[f->lliurat];
    if (c == '\r') {
      if (f->lliurat + 1 == f->llegit.size() && !fi && !f->omple(error))
        fi = true;  // a CR at a block's end: look ahead
      if (f->lliurat + 1 < f->llegit.size() && f->llegit[f->lliurat + 1] == '\n') {
        desti[n++] = '\n';
        f->lliurat += 2;
        continue;
      }
    }
    desti[n++] = c;
    f->lliurat++;
  }
  if (n == 0 && error) return -1;
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
  if (!f->torna_llegit()) return -1;  // an update writes where the reading stopped
  for (std::size_t i = 0; i < mida; i++) {
    if (dades[i] == '\n') f->pendent.push_back('\r');
    f->pendent.push_back(dades[i]);
  }
  // Each line reaches the file when it ends, so that a program ended by a
  // signal (no exit, no flush) still leaves every whole line it wrote.
  bool fi_linia = std::memchr(dades, '\n', mida) != nullptr;
  if ((fi_linia || f->pendent.size() >= (1 << 16)) && !f->buida_pendent()) return -1;
  return static_cast<ssize_t>(mida);
}

int situa_text(void *galeta, off64_t *posicio, int des_de) {
  auto *f = static_cast<FitxerText *>(galeta);
  off64_t actual = f->posicio();
  if (!f->buida_pendent()) return -1;
  if (des_de == SEEK_CUR && *posicio == 0) {
    *posicio = actual;  // a question, not a move: the read-ahead stays
    return 0;
  }
  off64_t desti = des_de == SEEK_CUR ? actual + *posicio : *posicio;
  off64_t nova = lseek64(f->fd, desti, des_de == SEEK_END ? SEEK_END : SEEK_SET);
  if (nova < 0) return -1;
  f->llegit.clear();
  f->lliurat = 0;
  f->posicio_fd = nova;
  *posicio = nova;
  return 0;
}

int tanca_text(void *galeta) {
  auto *f = static_cast<FitxerText *>(galeta);
  bool escrit = f->buida_pendent();
  int r = close(f->fd);
  oberts().erase(f);
  texts_oberts().erase(f);
  delete f;
  return escrit ? r : -1;
}

// ---------------------------------------------------------------------------
// The printer: the bytes written are kept and handed to the print spooler
// when the stream is closed. Nothing is submitted when nothing was written.
// Only an executable regular file on the PATH counts as the spooler. Closing
// fails (EIO) when the spooler did not take the bytes or did not end well.

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
    struct stat info {};
    if (stat(candidat.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(candidat.c_str(), X_OK) == 0)
      return candidat;
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

// What the spooler wrote on its error output when it last failed.
std::string queixa_cua;

// What the spooler wrote on its error output (its first 4 KiB), without
// the line ends after it; the file is closed.
std::string llegeix_queixa(int fd) {
  char bloc[4096];
  ssize_t n = pread(fd, bloc, sizeof bloc, 0);
  close(fd);
  std::string text(bloc, n > 0 ? static_cast<std::size_t>(n) : 0);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

// Runs the spooler with the bytes on its standard input; its own report
// ("request id is ...") is not the program's output and is discarded. What
// it writes on its error output is kept: the reason when it fails, passed on
// to the program's error output when it prints.
bool envia_a_cua(const std::string &ordre, const std::string &dades) {
  int canal[2];
  if (pipe(canal) != 0) return false;
  int errors = memfd_create("cua", MFD_CLOEXEC);
  pid_t fill = fork();
  if (fill < 0) {
    close(canal[0]);
    close(canal[1]);
    if (errors >= 0) close(errors);
    return false;
  }
  if (fill == 0) {
    dup2(canal[0], STDIN_FILENO);
    close(canal[0]);
    close(canal[1]);
    int nul = open("/dev/null", O_WRONLY);
    if (nul >= 0) dup2(nul, STDOUT_FILENO);
    if (errors >= 0) dup2(errors, STDERR_FILENO);
    execl(ordre.c_str(), ordre.c_str(), static_cast<char *>(nullptr));
    _exit(127);
  }
  close(canal[0]);
  struct sigaction ignora {
  }, previa {};
  ignora.sa_handler = SIG_IGN;
  sigaction(SIGPIPE, &ignora, &previa);
  bool escrit = escriu_tot(canal[1], dades.data(), dades.size());
  close(canal[1]);
  sigaction(SIGPIPE, &previa, nullptr);
  int estat = 0;
  while (waitpid(fill, &estat, 0) < 0 && errno == EINTR) {
  }
  bool be = escrit && WIFEXITED(estat) && WEXITSTATUS(estat) == 0;
  std::string queixa = errors >= 0 ? llegeix_queixa(errors) : "";
  if (!be)
    queixa_cua = queixa;
  else if (!queixa.empty())
    escriu_tot(STDERR_FILENO, (queixa + '\n').data(), queixa.size() + 1);
  return be;
}

int tanca_impressora(void *galeta) {
  auto *p = static_cast<Impressora *>(galeta);
  bool be = p->dades.empty() || envia_a_cua(p->ordre, p->dades);
  oberts().erase(p);
  delete p;
  if (be) return 0;
  errno = EIO;  // the spooler failed or did not take every byte
  return -1;
}

FILE *obre_impressora(bool text) {
  queixa_cua.clear();
  std::string ordre = cerca_al_cami("lp");
  if (ordre.empty()) ordre = cerca_al_cami("lpr");
  if (ordre.empty()) {
    errno = ENOENT;
    return nullptr;
  }
  auto *p = new Impressora {ordre, text, {}};
  cookie_io_functions_t funcions {nullptr, escriu_impressora, nullptr, tanca_impressora};
  FILE *f = fopencookie(p, "w", funcions);
  if (f)
    oberts().insert(p);
  else
    delete p;
  return f;
}

}  // namespace

const char *missatge_impressora() { return queixa_cua.c_str(); }

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
  auto *f = new FitxerText;
  f->fd = fd;
  if (base == 'a') f->posicio_fd = lseek64(fd, 0, SEEK_END);
  cookie_io_functions_t funcions {llegeix_text, escriu_text, situa_text, tanca_text};
  FILE *flux = fopencookie(f, net.c_str(), funcions);
  if (!flux) {
    int error = errno;
    close(fd);
    delete f;
    errno = error;
    return nullptr;
  }
  std::setvbuf(flux, nullptr, _IONBF, 0);  // the state above is the buffer
  oberts().insert(f);
  static bool buidat_en_sortir = std::atexit(buida_texts_oberts) == 0;
  (void)buidat_en_sortir;
  texts_oberts().insert(f);
  return flux;
}

}  // namespace plataforma
