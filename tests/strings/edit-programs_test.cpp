// The string programs that change or test a line, through pipes, against models and oracles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "programa.h"

namespace {

using prova::Cas;
const std::string a600(600, 'a'), b600(600, 'b'), a254(254, 'a'), b254(254, 'b');

std::mt19937 atzar(7);
// minim to maxim characters drawn from lletres.
std::string text_de(const std::string &lletres, std::size_t minim, std::size_t maxim) {
  std::string t(std::uniform_int_distribution<std::size_t>(minim, maxim)(atzar), ' ');
  for (char &c : t) c = lletres[std::uniform_int_distribution<std::size_t>(0, lletres.size() - 1)(atzar)];
  return t;
}

// The replacement loop: each search restarts at the copy just inserted.
std::string reemplacat(std::string f, const std::string &a, const std::string &b) {
  if (a.size() != b.size()) return "ERROR";
  if (a == b) return f;
  for (std::size_t p = 0; (p = f.find(a, p)) != std::string::npos;) f.replace(p, a.size(), b);
  return f;
}

TEST(TextReplace, SameLengthOnlyAndAlwaysEnds) {
  const std::string p1 = "Fica una cadena:\n", p3 = "Fica una altra cadena:\n";
  auto cas = [&](const std::string &f, const std::string &a, const std::string &b, const std::string &r) {
    return Cas {.nom = f.substr(0, 20) + " / " + a.substr(0, 9) + " / " + b.substr(0, 9),
                .entrada = f + "\n" + a + "\n" + b + "\n",
                .sortida = p1 + p1 + p3 + "La frase es: " + r + "\n\nAdeu!"};
  };
  std::vector<Cas> casos = {cas("el gat i el gos", "el", "EL", "EL gat i EL gos"),
                            cas("abb", "ab", "aa", "aaa"),
                            cas("casa", "as", "sa", "csaa"),
                            cas("aaa", "aa", "ba", "bba"),
                            cas("aab", "ab", "ba", "aba"),
                            cas("hola", "ab", "abc", "ERROR"),
                            cas("hola", "ho", "", "ERROR"),
                            cas("hola", "", "x", "ERROR"),
                            cas(std::string(200, 'a'), "a", "bb", "ERROR"),
                            cas("ab", "b", "bb", "ERROR"),
                            cas("hola", "", "", "hola"),
                            cas("", "", "", ""),
                            cas("a a", "a", "a", "a a"),
                            cas(a254, "a", "b", b254),
                            cas(a600, "a", "b", b254),
                            cas(a600, a600, b600, b254),
                            cas("abc", a600, b600, "abc"),
                            cas("\xE9s \xE9s", "\xE9s", "es", "es es"),
                            {.nom = "end of input at the sentence", .entrada = "", .sortida = p1},
                            {.nom = "end of input at the string", .entrada = "ab", .sortida = p1 + p1},
                            {.nom = "end of input at the replacement", .entrada = "ab\na\n", .sortida = p1 + p1 + p3},
                            {.nom = "a last line without its line feed",
                             .entrada = "ab\na\nb",
                             .sortida = p1 + p1 + p3 + "La frase es: bb\n\nAdeu!"}};
  for (int i = 0; i < 150; i++) {
    std::string f = text_de("ab", 0, 12), a = text_de("ab", 0, 3);
    std::string b = i % 4 ? text_de("ab", a.size(), a.size()) : text_de("ab", 0, 3);
    casos.push_back(cas(f, a, b, reemplacat(f, a, b)));
  }
  prova::comprova("text-replace", casos);
}

// One walk over the text: what slides into a removed place is not looked at again.
std::string eliminat(std::string t, const std::string &c) {
  for (std::size_t i = 0; i < t.size(); i++)
    if (t.compare(i, c.size(), c) == 0) t.erase(i, c.size());
  return t;
}

TEST(TextRemove, OneWalkOverTheText) {
  auto cas = [](const std::string &t, const std::string &c, const std::string &r) {
    return Cas {.nom = t.substr(0, 20) + " - " + c.substr(0, 9),
                .entrada = t + "\n" + c + "\n",
                .sortida = "Fica un text:\nFica una cadena a eliminar:\nLa frase es: " + r + "\n\nAdeu!"};
  };
  std::vector<Cas> casos = {cas("hola mon hola", "hola", " mon "),
                            cas("banana", "an", "bana"),
                            cas("aabb", "ab", "ab"),
                            cas("  ", " ", " "),
                            cas("hola", "", "hola"),
                            cas("Hola hola", "hola", "Hola "),
                            cas("hola", "holas", "hola"),
                            cas("hola", "hola", ""),
                            cas("caf\xE9 \xE9s", "\xE9", "caf s"),
                            cas(a600, "a", std::string(127, 'a')),
                            cas(a600, a600, ""),
                            {.nom = "end of input at the text", .entrada = "", .sortida = "Fica un text:\n"},
                            {.nom = "end of input at the string",
                             .entrada = "ab\n",
                             .sortida = "Fica un text:\nFica una cadena a eliminar:\n"}};
  for (int i = 0; i < 100; i++) {
    std::string t = text_de("ab ", 0, 14), c = text_de("ab ", 0, 3);
    casos.push_back(cas(t, c, eliminat(t, c)));
  }
  prova::comprova("text-remove", casos);
}

// The lines shown: the whole sentence, then the sentence up to the end of
// each word but the last, from the last back, while that end is not the first character.
std::string encongides(const std::string &s) {
  auto lletra = [&](std::size_t i) { return i < s.size() && std::isalpha(static_cast<unsigned char>(s[i])); };
  std::vector<std::size_t> finals;
  for (std::size_t i = 0; i < s.size(); i++)
    if (lletra(i) && !lletra(i + 1)) finals.push_back(i);
  std::string r = s.size() > 1 ? s + "\n" : "";
  for (std::size_t k = finals.size(); k-- > 1;)
    if (finals[k - 1] > 0) r += s.substr(0, finals[k - 1] + 1) + "\n";
  return r;
}

TEST(SentenceShrink, WordByWord) {
  auto cas = [](const std::string &f, const std::string &linies) {
    return Cas {.nom = f.substr(0, 30), .entrada = f + "\n", .sortida = "Fica una frase: " + linies + "Adeu!"};
  };
  std::vector<Cas> casos = {cas("Hola que tal.", "Hola que tal.\nHola que\nHola\n"),
                            cas("  dos  espais  ", "  dos  espais  \n  dos\n"),
                            cas("a b c", "a b c\na b\n"),
                            cas("", ""),
                            cas("x", ""),
                            cas(".", ""),
                            cas("ab 12 cd", "ab 12 cd\nab\n"),
                            cas("a\x82"
                                "b c",
                                "a\x82"
                                "b c\na\x82"
                                "b\n"),
                            cas(a600, a254 + "\n"),
                            {.nom = "end of input", .entrada = "", .sortida = "Fica una frase: "}};
  for (int i = 0; i < 100; i++) {
    std::string f = text_de("aB .1\x82", 0, 20);
    casos.push_back(cas(f, encongides(f)));
  }
  prova::comprova("sentence-shrink", casos);
}

// The oracle: the letters, lowered, read the same backwards.
bool palindrom(const std::string &s) {
  std::string l;
  for (unsigned char c : s)
    if (std::isalpha(c)) l += static_cast<char>(std::tolower(c));
  return std::equal(l.begin(), l.end(), l.rbegin());
}

TEST(PalindromeCheck, LettersOnlyIgnoringCase) {
  auto cas = [](const std::string &t, bool es) {
    return Cas {.nom = t.substr(0, 30),
                .entrada = t + "\n",
                .sortida = std::string("Fica un text:\n") + (es ? "Es palindrom!" : "No es palindrom!") + "\n\nAdeu!"};
  };
  std::vector<Cas> casos = {{.nom = "end of input", .entrada = "", .sortida = "Fica un text:\n"}};
  for (const char *t : {"Ana.", "Ana!!", "Mec, cem", "Ana", "Dabale arroz a la zorra el abad", "11", "1231", "12", "",
                        "x", "?", "\xC1na\xC1", "Hola", "a.b", "Ana b",
                        "ab\xE9"
                        "ba",
                        "a\xE1"
                        "b"})
    casos.push_back(cas(t, palindrom(t)));
  casos.push_back(cas(a254 + b600, true));  // only the kept 254 characters count
  for (int i = 0; i < 100; i++) {
    std::string meitat = text_de("abAB", 0, 6), t = meitat + text_de("c", 0, 1);
    for (auto c = meitat.rbegin(); c != meitat.rend(); ++c) t += i % 3 ? static_cast<char>(*c ^ 0x20) : 'b';
    for (int j = 0; j < 3; j++)
      t.insert(t.begin() + static_cast<long>(atzar() % (t.size() + 1)), " ,1\xE9"[atzar() % 4]);
    casos.push_back(cas(t, palindrom(t)));
  }
  prova::comprova("palindrome-check", casos);
}

}  // namespace
