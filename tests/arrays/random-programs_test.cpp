// The programs that draw random values, against the original generator
// seeded with the second in which each run started or ended.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <ctime>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "plataforma.h"
#include "programa.h"

namespace {

// What a program prints when its generator was seeded with the second.
using Oracle = std::function<std::string(unsigned segon)>;

// Runs the program once and checks its output against the oracle for every
// second the run may have been seeded in. Returns the second that matched.
unsigned comprova_tirada(const std::string &programa, const std::string &entrada, const Oracle &esperat,
                         int estat = 0) {
  prova::CarpetaTemporal carpeta;
  std::time_t abans = std::time(nullptr);
  prova::Resultat r = prova::executa({.programa = programa, .entrada = entrada, .carpeta = carpeta.cami()});
  std::time_t despres = std::time(nullptr);
  EXPECT_FALSE(r.temps_esgotat);
  EXPECT_EQ(r.estat, estat);
  EXPECT_EQ(r.errors, "");
  for (std::time_t segon = abans; segon <= despres; segon++)
    if (r.sortida == esperat(static_cast<unsigned>(segon))) return static_cast<unsigned>(segon);
  ADD_FAILURE() << programa << " with input " << prova::visible(entrada) << " printed\n"
                << prova::visible(r.sortida) << "\nexpected (second " << abans << ")\n"
                << prova::visible(esperat(static_cast<unsigned>(abans)));
  return 0;
}

// The 25 values of sort-search: drawn in 0 .. 100, then in ascending order.
std::vector<int> vector_ordenat(unsigned segon) {
  plataforma::srand(segon);
  std::vector<int> v(25);
  for (int &x : v) x = plataforma::rand() % 101;
  std::sort(v.begin(), v.end());
  return v;
}

// Bisection with (min + max) / 2, the first equal element met on the path.
int biseccio(const std::vector<int> &v, long long valor) {
  int min = 0, max = static_cast<int>(v.size()) - 1;
  while (min <= max) {
    int mig = (min + max) / 2;
    if (v[static_cast<std::size_t>(mig)] > valor)
      max = mig - 1;
    else if (v[static_cast<std::size_t>(mig)] < valor)
      min = mig + 1;
    else
      return mig;
  }
  return -1;
}

const std::string pregunta_valor = "\n\nIntrodueix el valor buscat: ";

// preguntes: how many times the value prompt shows; valor: the number read,
// or none when input ends first.
Oracle sort_search(int preguntes, std::optional<long long> valor) {
  return [=](unsigned segon) {
    std::vector<int> v = vector_ordenat(segon);
    std::string text = "\nVector: ";
    for (int x : v) text += std::to_string(x) + ", ";
    text += "\b\b ";
    for (int i = 0; i < preguntes; i++) text += pregunta_valor;
    if (!valor) return text;
    int index = biseccio(v, *valor);
    return text + (index < 0 ? "\nNo s'ha trobat!" : "El valor es troba en l'index " + std::to_string(index));
  };
}

TEST(SortSearch, SortedRandomVectorAndBisection) {
  for (int valor : {-1, 0, 50, 100, 101}) comprova_tirada("sort-search", std::to_string(valor) + "\n", sort_search(1, valor));
  comprova_tirada("sort-search", "-2147483648\n", sort_search(1, INT_MIN));
  comprova_tirada("sort-search", " \t2147483647\t \n", sort_search(1, INT_MAX));
  // A value the vector holds: taken from a first run, looked for in a second
  // one, which almost always falls within the same second.
  bool trobat = false;
  for (int intent = 0; intent < 10 && !trobat; intent++) {
    unsigned segon = comprova_tirada("sort-search", "-1\n", sort_search(1, -1));
    int valor = vector_ordenat(segon)[static_cast<std::size_t>(intent) * 2];
    unsigned segon2 = comprova_tirada("sort-search", std::to_string(valor) + "\n", sort_search(1, valor));
    trobat = biseccio(vector_ordenat(segon2), valor) >= 0;
  }
  EXPECT_TRUE(trobat);
}

TEST(SortSearch, NonNumbersAndTheEndOfInput) {
  comprova_tirada("sort-search", "", sort_search(1, std::nullopt));
  comprova_tirada("sort-search", "abc\n\n   \n", sort_search(2, std::nullopt));
  comprova_tirada("sort-search", "x\n2147483648\n7\n", sort_search(3, 7));
  comprova_tirada("sort-search", "12", sort_search(1, 12));  // a last line without its line feed
}

TEST(SortSearch, TheValuesAreReallyRandom) {
  std::time_t ara = std::time(nullptr);
  for (std::time_t segon = ara; segon < ara + 20; segon++) {
    std::vector<int> v = vector_ordenat(static_cast<unsigned>(segon));
    EXPECT_GE(std::set<int>(v.begin(), v.end()).size(), 10u);
    EXPECT_NE(v, vector_ordenat(static_cast<unsigned>(segon + 1)));
  }
}

Oracle sign_count() {
  return [](unsigned segon) {
    plataforma::srand(segon);
    int elements = plataforma::rand() % 21 + 10;
    int positius = 0, negatius = 0, zeros = 0;
    std::string text;
    for (int i = 0; i < elements; i++) {
      int valor = plataforma::rand() % 255 - 128;
      (valor > 0 ? positius : valor < 0 ? negatius : zeros)++;
      text += std::to_string(valor) + "\n";
    }
    return text + "Positius: " + std::to_string(positius) + "\t\tNegatius: " + std::to_string(negatius) +
           "\t\tZeros: " + std::to_string(zeros) + "\n";
  };
}

TEST(SignCount, CountsTheDrawnValues) {
  comprova_tirada("sign-count", "", sign_count());
  comprova_tirada("sign-count", "5\n-3\nabc\n", sign_count());  // typed input is ignored
  // Over many seconds: 10 to 30 values in -128 .. 126, all of the range met.
  std::set<int> vistos;
  for (unsigned segon = 0; segon < 2000; segon++) {
    std::string text = sign_count()(segon);
    int linies = static_cast<int>(std::count(text.begin(), text.end(), '\n')) - 1;
    EXPECT_GE(linies, 10);
    EXPECT_LE(linies, 30);
    plataforma::srand(segon);
    plataforma::rand();
    for (int i = 0; i < linies; i++) vistos.insert(plataforma::rand() % 255 - 128);
  }
  EXPECT_EQ(*vistos.begin(), -128);
  EXPECT_EQ(*vistos.rbegin(), 126);
  EXPECT_EQ(vistos.size(), 255u);
}

const std::string pregunta_valors = "Fica el numero de valors (maxim 23): ";

Oracle multiples_filter(int preguntes, int n) {
  return [=](unsigned segon) {
    std::string text;
    for (int i = 0; i < preguntes; i++) text += pregunta_valors;
    if (n == 0) return text;
    plataforma::srand(segon);
    std::vector<int> multiples;
    for (int i = 0; i < n; i++) {
      int valor = plataforma::rand() % 256 + 1;
      if (valor % 3 == 0) multiples.push_back(valor);
    }
    for (int x : multiples) text += std::to_string(x) + " ";
    for (std::size_t i = multiples.size(); i < static_cast<std::size_t>(n); i++) text += "-1 ";
    return text;
  };
}

TEST(MultiplesFilter, KeepsTheMultiplesOfThreeInOrder) {
  for (int n : {1, 2, 10, 23}) comprova_tirada("multiples-filter", std::to_string(n) + "\n", multiples_filter(1, n));
  comprova_tirada("multiples-filter", "0\n24\n-5\n100\n-2147483648\n23\n", multiples_filter(6, 23));
  comprova_tirada("multiples-filter", "tres\n2147483648\n5\n", multiples_filter(3, 5));
  comprova_tirada("multiples-filter", "", multiples_filter(1, 0));
  comprova_tirada("multiples-filter", "0\n99\n", multiples_filter(3, 0));
}

Oracle pointer_vector(int preguntes, int dim) {
  return [=](unsigned segon) {
    std::string text;
    for (int i = 0; i < preguntes; i++) text += "Fica la dimensio: ";
    plataforma::srand(segon);
    for (int i = 0; i < dim; i++) text += "\n" + std::to_string(plataforma::rand() % 10);
    return text;
  };
}

TEST(PointerVector, RandomDigitsOnLinesOfTheirOwn) {
  for (int dim : {1, 2, 1000}) comprova_tirada("pointer-vector", std::to_string(dim) + "\n", pointer_vector(1, dim));
  std::string mil = pointer_vector(1, 1000)(static_cast<unsigned>(std::time(nullptr)));
  for (char xifra = '0'; xifra <= '9'; xifra++) EXPECT_NE(mil.find(std::string("\n") + xifra), std::string::npos);
  comprova_tirada("pointer-vector", "1000000\n", pointer_vector(1, 1000000));
}

TEST(PointerVector, NoElementsForASizeOfZeroOrLess) {
  for (const char *dim : {"0\n", "-1\n", "-2147483648\n"}) comprova_tirada("pointer-vector", dim, pointer_vector(1, 0));
  comprova_tirada("pointer-vector", "", pointer_vector(1, 0));
  comprova_tirada("pointer-vector", "deu\n\n3\n", pointer_vector(2, 3));
  comprova_tirada("pointer-vector", "9999999999\n", pointer_vector(2, 0));
}

}  // namespace
