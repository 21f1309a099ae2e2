// The string programs' functions against models of their walks written
// with std::string: replacing, removing and the palindrome test.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

// The programs' own functions, each program compiled on its own with its
// main renamed (cadenes_programa.cpp).
const char *reemplaza_cadenas(char *frase, const char *cadena1, const char *cadena2);
char *eliminar_cadena(char *text, const char *cadena);
int es_palindrom(const char *frase);

namespace {

// Each occurrence found from the last replaced place on is replaced.
std::string model_reemplaca(std::string s, const std::string &a, const std::string &b) {
  if (a.empty() || a == b) return s;
  for (std::size_t t = 0;;) {
    std::size_t p = s.find(a, t);
    if (p == std::string::npos) return s;
    s.replace(p, a.size(), b);
    t = p;
  }
}

// One walk from the start; after a removal it goes on at the next place.
std::string model_elimina(std::string s, const std::string &a) {
  for (std::size_t i = 0; i < s.size(); i++)
    if (s.compare(i, a.size(), a) == 0 && !a.empty()) s.erase(i, a.size());
  return s;
}

bool model_palindrom(const std::string &s) {
  std::string lletres;
  for (unsigned char c : s)
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) lletres.push_back(static_cast<char>(c | 0x20));
  return std::equal(lletres.begin(), lletres.end(), lletres.rbegin());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dades, std::size_t mida) {
  // Three texts separated by NUL bytes: the sentence and the two strings.
  std::string tot(reinterpret_cast<const char *>(dades), mida);
  std::string parts[3];
  for (std::size_t i = 0, k = 0; i < tot.size() && k < 3; i++) {
    if (tot[i] == '\0')
      k++;
    else
      parts[k].push_back(tot[i]);
  }
  std::string frase = parts[0].substr(0, 254), a = parts[1].substr(0, 254), b = parts[2].substr(0, 254);

  char buffer[255];
  std::memcpy(buffer, frase.c_str(), frase.size() + 1);
  const char *r = reemplaza_cadenas(buffer, a.c_str(), b.c_str());
  if (a.size() != b.size()) {
    if (std::strcmp(r, "ERROR") != 0 || frase != buffer) std::abort();
  } else if (r != buffer || model_reemplaca(frase, a, b) != buffer) {
    std::abort();
  }

  std::memcpy(buffer, frase.c_str(), frase.size() + 1);
  if (eliminar_cadena(buffer, a.c_str()) != buffer || model_elimina(frase, a) != buffer) std::abort();

  if ((es_palindrom(frase.c_str()) != 0) != model_palindrom(frase)) std::abort();
  return 0;
}
