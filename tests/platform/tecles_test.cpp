// The key decoder, fed bytes and elapsed time, without a terminal.
#include "tecles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using plataforma::DescodificadorTecles;

// Feeds the bytes at once, then lets the given time pass; returns all codes.
std::vector<int> codis(const std::string &bytes, int ms_despres = 0) {
  DescodificadorTecles d;
  for (unsigned char b : bytes) d.byte(b);
  if (ms_despres) d.temps(ms_despres);
  std::vector<int> r;
  while (d.hi_ha_codi()) r.push_back(d.treu_codi());
  return r;
}

using V = std::vector<int>;

std::string prova_visible(const std::string &bytes) {
  std::string r;
  for (unsigned char b : bytes) r += std::to_string(b) + " ";
  return r;
}

TEST(DescodificadorTecles, PlainKeysAndTheirTranslations) {
  EXPECT_EQ(codis("a"), V {'a'});
  EXPECT_EQ(codis("Az9 "), (V {'A', 'z', '9', ' '}));
  EXPECT_EQ(codis("\r"), V {13});
  EXPECT_EQ(codis("\n"), V {13});
  EXPECT_EQ(codis("\x7f"), V {8});
  EXPECT_EQ(codis("\b"), V {8});
  EXPECT_EQ(codis("\x03"), V {3});
  EXPECT_EQ(codis("\xE7", 50), V {0xE7});  // an 8-bit byte that starts no character stays as it is
  EXPECT_EQ(codis("\x80\xFF"), (V {0x80, 0xFF}));
}

TEST(DescodificadorTecles, AUtf8CharacterIsOneKey) {
  EXPECT_EQ(codis("\xC3\xA7"), V {0xE7});                // ç
  EXPECT_EQ(codis("a\xC3\x80z"), (V {'a', 0xC0, 'z'}));  // À between letters
  EXPECT_EQ(codis("\xE2\x82\xAC"), V {'?'});             // the euro sign, outside Latin-1
  EXPECT_EQ(codis("\xF0\x9F\x98\x80"), V {'?'});
  EXPECT_EQ(codis("\xC3"
                  "a"),
            (V {0xC3, 'a'}));                          // a broken character: its bytes
  EXPECT_EQ(codis("\xE2\x82", 50), (V {0xE2, 0x82}));  // cut short by time
  DescodificadorTecles d;
  d.byte(0xC3);
  EXPECT_TRUE(d.esperant());
  EXPECT_FALSE(d.hi_ha_codi());
}

// Overlong forms, surrogates and values above U+10FFFF are no character:
// each is one "?", even where the console would have translated it.
TEST(DescodificadorTecles, SequencesThatAreNoCharacterAreAQuestionMark) {
  auto amb_traduccio = [](const std::string &bytes) {
    DescodificadorTecles d;
    d.tradueix_caracters([](char32_t c) -> int { return c == 0x27 ? '\'' : c <= 0xFFFF ? 'b' : 'q'; });
    for (unsigned char b : bytes) d.byte(b);
    std::vector<int> r;
    while (d.hi_ha_codi()) r.push_back(d.treu_codi());
    return r;
  };
  for (const char *cap : {"\xC0\xA7", "\xC1\xBF", "\xE0\x80\xA7", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xED\xBF\xBF",
                          "\xF0\x80\x80\xA7", "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80", "\xF7\xBF\xBF\xBF"}) {
    SCOPED_TRACE(prova_visible(cap));
    EXPECT_EQ(codis(cap), V {'?'});
    EXPECT_EQ(amb_traduccio(cap), V {'?'});
  }
  EXPECT_EQ(codis("\xC0\xAE\xC0\xAE\xC0\xAF"), (V {'?', '?', '?'}));  // not "../"
  // The shortest forms at each edge are characters.
  for (const char *si : {"\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80", "\xEF\xBF\xBF"})
    EXPECT_EQ(amb_traduccio(si), V {'b'});
  EXPECT_EQ(amb_traduccio("\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"), (V {'q', 'q'}));
  EXPECT_EQ(codis("\xC2\x80\xC3\xBF"), (V {0x80, 0xFF}));
  EXPECT_EQ(codis("\xC0"
                  "a"),
            (V {0xC0, 'a'}));  // broken, not refused: its bytes
}

TEST(DescodificadorTecles, ArrowsAndEditingKeysGiveThePrefix224) {
  struct {
    const char *bytes;
    int codi;
    // clang-format off
  } casos[] = {
      {"\x1b[A", 72}, {"\x1b[D", 75}, {"\x1b[C", 77}, {"\x1b[B", 80},   // arrows
      {"\x1bOA", 72}, {"\x1bOB", 80}, {"\x1bOC", 77}, {"\x1bOD", 75},   // application mode
      {"\x1b[H", 71}, {"\x1b[F", 79}, {"\x1bOH", 71}, {"\x1bOF", 79},   // Home, End
      {"\x1b[1~", 71}, {"\x1b[7~", 71}, {"\x1b[4~", 79}, {"\x1b[8~", 79},
      {"\x1b[5~", 73}, {"\x1b[6~", 81}, {"\x1b[2~", 82}, {"\x1b[3~", 83},
      {"\x1b[1;5A", 72}, {"\x1b[3;2~", 83},                             // with modifiers
  };
  // clang-format on
  for (const auto &c : casos) EXPECT_EQ(codis(c.bytes), (V {224, c.codi})) << "Esc" << (c.bytes + 1);
}

TEST(DescodificadorTecles, FunctionKeysGiveThePrefix0) {
  EXPECT_EQ(codis("\x1bOP"), (V {0, 59}));
  EXPECT_EQ(codis("\x1bOS"), (V {0, 62}));
  EXPECT_EQ(codis("\x1b[11~"), (V {0, 59}));
  EXPECT_EQ(codis("\x1b[15~"), (V {0, 63}));
  EXPECT_EQ(codis("\x1b[17~"), (V {0, 64}));
  EXPECT_EQ(codis("\x1b[21~"), (V {0, 68}));
  EXPECT_EQ(codis("\x1b[[A"), (V {0, 59}));  // Linux console
  EXPECT_EQ(codis("\x1b[[E"), (V {0, 63}));
  EXPECT_EQ(codis("\x1b[23~"), (V {224, 133}));  // F11
  EXPECT_EQ(codis("\x1b[24~"), (V {224, 134}));  // F12
  EXPECT_EQ(codis("\x1b[24;2~"), (V {224, 134}));
  EXPECT_EQ(codis("\x1b[Z"), (V {0, 15}));  // Shift-Tab
}

TEST(DescodificadorTecles, LoneEscWaitsForItsTimeout) {
  DescodificadorTecles d;
  d.byte(27);
  EXPECT_TRUE(d.esperant());
  EXPECT_FALSE(d.hi_ha_codi());
  d.temps(30);
  EXPECT_FALSE(d.hi_ha_codi());  // 30 ms: still possibly a sequence
  d.temps(20);
  ASSERT_TRUE(d.hi_ha_codi());  // 50 ms in all: a plain Esc
  EXPECT_EQ(d.treu_codi(), 27);
  EXPECT_FALSE(d.esperant());
}

TEST(DescodificadorTecles, ByteBeforeTimeoutRestartsTheWait) {
  DescodificadorTecles d;
  d.byte(27);
  d.temps(40);
  d.byte('[');
  d.temps(40);  // 40 ms since '[': the sequence is still open
  EXPECT_FALSE(d.hi_ha_codi());
  d.byte('A');
  ASSERT_TRUE(d.hi_ha_codi());
  EXPECT_EQ(d.treu_codi(), 224);
  EXPECT_EQ(d.treu_codi(), 72);
}

TEST(DescodificadorTecles, EscFollowedByOtherKeys) {
  EXPECT_EQ(codis("\x1bx"), (V {27, 'x'}));        // Alt+x: Esc, then x
  EXPECT_EQ(codis("\x1b\x1b", 50), (V {27, 27}));  // two Esc presses
  EXPECT_EQ(codis("\x1b[", 50), (V {27, '['}));    // an unfinished sequence times out
  EXPECT_EQ(codis("\x1b[Aq\x1b[B"), (V {224, 72, 'q', 224, 80}));
}

// A complete sequence of no key of the console is one key without a code,
// never Esc and letters.
TEST(DescodificadorTecles, UnknownSequencesAreOneKeyWithoutACode) {
  constexpr int cap = plataforma::tecla::sense_codi;
  EXPECT_EQ(codis("\x1b[99~"), V {cap});
  EXPECT_EQ(codis("\x1b[200~x"), (V {cap, 'x'}));
  EXPECT_EQ(codis("\x1b[1;5P"), (V {0, 59}));  // Ctrl-F1 is F1
  EXPECT_EQ(codis("\x1b[?1;2c"), V {cap});
  EXPECT_EQ(codis("\x1bOx"), V {cap});
  EXPECT_EQ(codis("\x1b[[z"), V {cap});
  EXPECT_EQ(codis("\x1b[" + std::string(30, '1') + "~q"), (V {cap, 'q'}));  // runaway sequence: dropped whole
}

TEST(DescodificadorTecles, EmptyingForgetsPendingInput) {
  DescodificadorTecles d;
  d.byte('a');
  d.byte(27);
  d.buida();
  EXPECT_FALSE(d.hi_ha_codi());
  EXPECT_FALSE(d.esperant());
  d.temps(100);
  EXPECT_FALSE(d.hi_ha_codi());
}

}  // namespace
