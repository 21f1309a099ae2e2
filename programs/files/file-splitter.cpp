// Partidor de fitxers: talla un fitxer en parts numerades de 1.450.000 bytes i les torna a ajuntar en un sol fitxer.
#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include "plataforma.h"

constexpr off_t mida_part = 1450000;
constexpr int max_parts = 25;
constexpr off_t mida_maxima = mida_part * max_parts;  // 36,250,000 bytes

// Copies go through this block: large enough that the system calls, not the
// bytes, set the pace. No block ever straddles two parts.
constexpr std::size_t mida_bloc = 1 << 20;
char bloc[mida_bloc];

void sintaxis();
int partir_arxiu(const char *nom_arxiu);
void unir_arxiu(int argc, char *argv[]);

void pausa() { plataforma::system("pause >NUL"); }

int main(int argc, char *argv[]) {
  if (argc <= 2) {
    std::printf("\nParametres insuficients!\n");
    sintaxis();
    pausa();
    return -1;
  }
  plataforma::_strlwr(argv[1]);
  if (std::strcmp(argv[1], "-p") != 0 && std::strcmp(argv[1], "-u") != 0) {
    std::printf("\nEl primer parametre ha de ser -p o -u!\n");
    sintaxis();
    pausa();
    return -1;
  }
  if (argv[1][1] == 'u' && argc <= 3) {
    std::printf("\nParametres insuficients!\n");
    sintaxis();
    pausa();
    return -1;
  }
  if (argv[1][1] == 'p')
    partir_arxiu(argv[2]);
  else
    unir_arxiu(argc, argv);
  std::printf("\n\nAdeu!\n");
  pausa();
  return 0;
}

void sintaxis() {
  std::printf("\nSintaxis:\n\n");
  std::printf(
      "nom_programa -p <origen>\tPart l'arxiu <origen> en varis arxius\n\t\t\t\t<origen><x>.dat, on <x> es un "
      "numero\n\t\t\t\tincremental.\n\n");
  std::printf(
      "nom_programa -u <desti> <part 1> ... <part n>\tUneix els arxius <part x> en\n\t\t\t\t\t\tl'arxiu "
      "<desti>.\n");
}

// Only a regular file is a source or counts as there: a pipe, a device or
// a folder under that name is not, and is never opened (opening a named
// pipe for reading would wait for a writer).
bool es_fitxer(const char *nom) {
  struct stat info {};
  return stat(nom, &info) == 0 && S_ISREG(info.st_mode);
}

// Whether a regular file of that name can be opened for reading; the stream
// opened for the test is closed again.
bool existeix(const char *nom) {
  if (!es_fitxer(nom)) return false;
  std::FILE *f = plataforma::fopen(nom, "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

// Closes what is still open of a split or a join that stops early.
void tanca_tots(std::FILE *fluxos[], int n) {
  for (int i = 0; i < n; i++)
    if (fluxos[i]) std::fclose(fluxos[i]);
}

int partir_arxiu(const char *nom_arxiu) {
  std::FILE *origen = es_fitxer(nom_arxiu) ? plataforma::fopen(nom_arxiu, "rb") : nullptr;
  off_t mida = -1;
  if (origen && fseeko(origen, 0, SEEK_END) == 0) mida = ftello(origen);
  // A file that says it is empty and still gives bytes (the system's own
  // files under /proc) has no size to split by.
  if (mida == 0 && (fseeko(origen, 0, SEEK_SET) != 0 || std::fgetc(origen) != EOF)) mida = -1;
  if (mida < 0 || fseeko(origen, 0, SEEK_SET) != 0) {
    // Not there, or not a regular file.
    if (origen) std::fclose(origen);
    std::printf("\nL'arxiu d'origen %s no existeix!\n", nom_arxiu);
    pausa();
    return 0;
  }
  if (mida > mida_maxima) {
    std::fclose(origen);
    std::printf("\nL'arxiu d'origen %s es massa gran (maxim 25 parts)!\n", nom_arxiu);
    pausa();
    return 0;
  }
  int n_parts = static_cast<int>(mida / mida_part) + (mida % mida_part != 0 ? 1 : 0);

  // Every part is created, empty, before any byte is copied; an existing
  // name stops the split and is never touched.
  std::string noms[max_parts];
  std::FILE *parts[max_parts] = {};
  for (int x = 0; x < n_parts; x++) {
    char index[12];
    noms[x] = std::string(nom_arxiu) + plataforma::_itoa(x, index, 10) + ".dat";
    const char *error = nullptr;
    if (existeix(noms[x].c_str()))
      error = "\nL'arxiu de desti %s ja existeix!\n";
    else if (!(parts[x] = plataforma::fopen(noms[x].c_str(), "wbx")))
      error = "\nL'arxiu de desti %s no es pot crear!\n";
    if (error) {
      tanca_tots(parts, x);
      std::fclose(origen);
      std::printf(error, noms[x].c_str());
      pausa();
      return 0;
    }
  }

  // Exactly the size taken above is copied: bytes the source gains meanwhile
  // stay out, and a source that ends early is a read error.
  off_t resta = mida;
  off_t a_la_part = 0;
  int actual = 0;
  while (resta > 0) {
    off_t demanat = mida_part - a_la_part;
    if (demanat > resta) demanat = resta;
    if (demanat > static_cast<off_t>(mida_bloc)) demanat = static_cast<off_t>(mida_bloc);
    std::size_t n = static_cast<std::size_t>(demanat);
    const char *error = nullptr;
    const char *nom_error = nullptr;
    if (std::fread(bloc, 1, n, origen) != n) {
      error = "\nL'arxiu d'origen %s no es pot llegir!\n";
      nom_error = nom_arxiu;
    } else if (std::fwrite(bloc, 1, n, parts[actual]) != n) {
      error = "\nL'arxiu de desti %s no es pot escriure!\n";
      nom_error = noms[actual].c_str();
    } else {
      a_la_part += demanat;
      resta -= demanat;
      if (a_la_part == mida_part || resta == 0) {
        int tancat = std::fclose(parts[actual]);
        parts[actual] = nullptr;
        if (tancat != 0) {
          error = "\nL'arxiu de desti %s no es pot escriure!\n";
          nom_error = noms[actual].c_str();
        } else if (a_la_part == mida_part) {
          std::printf("Creat %s!\n", noms[actual].c_str());
          actual++;
          a_la_part = 0;
        }
      }
    }
    if (error) {
      tanca_tots(parts, n_parts);
      std::fclose(origen);
      std::printf(error, nom_error);
      pausa();
      return 0;
    }
  }
  std::fclose(origen);

  std::printf("\nArxius ");
  for (int x = 0; x < n_parts; x++) std::printf("%s ", noms[x].c_str());
  std::printf("creats!\n");
  return 1;
}

void unir_arxiu(int argc, char *argv[]) {
  int n_parts = argc - 3;
  if (n_parts > max_parts) {
    std::printf("\nMassa parts per unir (maxim 25)!\n");
    pausa();
    return;
  }
  const char *nom_desti = argv[2];
  if (existeix(nom_desti)) {
    std::printf("\nL'arxiu de desti %s ja existeix!\n", nom_desti);
    pausa();
    return;
  }
  std::FILE *desti = plataforma::fopen(nom_desti, "wbx");
  if (!desti) {
    std::printf("\nL'arxiu de desti %s no es pot crear!\n", nom_desti);
    pausa();
    return;
  }
  struct stat info_desti {};
  fstat(fileno(desti), &info_desti);
  std::printf("\n");

  // Every part is opened before any is copied, so a missing part leaves the
  // destination empty. A part that is the new destination itself (the same
  // name again, or a link to it) did not exist when the join began; copying
  // it into itself would never end.
  std::FILE *parts[max_parts] = {};
  for (int x = 0; x < n_parts; x++) {
    const char *nom = argv[3 + x];
    parts[x] = es_fitxer(nom) ? plataforma::fopen(nom, "rb") : nullptr;
    struct stat info {};
    if (parts[x] && fstat(fileno(parts[x]), &info) == 0 && info.st_dev == info_desti.st_dev &&
        info.st_ino == info_desti.st_ino) {
      std::fclose(parts[x]);
      parts[x] = nullptr;
    }
    if (!parts[x]) {
      tanca_tots(parts, x);
      std::fclose(desti);
      std::printf("\nL'arxiu d'origen %s no existeix!\n", nom);
      pausa();
      return;
    }
  }

  for (int x = 0; x < n_parts; x++) {
    const char *nom = argv[3 + x];
    const char *error = nullptr;
    const char *nom_error = nullptr;
    for (;;) {
      std::size_t n = std::fread(bloc, 1, mida_bloc, parts[x]);
      if (n > 0 && std::fwrite(bloc, 1, n, desti) != n) {
        error = "\nL'arxiu de desti %s no es pot escriure!\n";
        nom_error = nom_desti;
        break;
      }
      if (n < mida_bloc) {
        if (std::ferror(parts[x])) {
          error = "\nL'arxiu d'origen %s no es pot llegir!\n";
          nom_error = nom;
        }
        break;
      }
    }
    // What was appended must have reached the destination before the part
    // is announced.
    if (!error && std::fflush(desti) != 0) {
      error = "\nL'arxiu de desti %s no es pot escriure!\n";
      nom_error = nom_desti;
    }
    if (error) {
      tanca_tots(parts, n_parts);
      std::fclose(desti);
      std::printf(error, nom_error);
      pausa();
      return;
    }
    std::printf("Arxiu %s incrustat!\n", nom);
    std::fclose(parts[x]);
    parts[x] = nullptr;
  }
  if (std::fclose(desti) != 0) {
    std::printf("\nL'arxiu de desti %s no es pot escriure!\n", nom_desti);
    pausa();
  }
}
