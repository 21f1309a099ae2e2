// Every escape sequence the layer sends to a terminal, each named once with
// what it does. Nothing else in the layer writes an escape sequence.
#ifndef PLATAFORMA_SEQUENCIES_H
#define PLATAFORMA_SEQUENCIES_H

#include <algorithm>
#include <array>
#include <cstddef>

namespace plataforma::seq {

// clang-format off
inline constexpr char inici[]               = "\x1b[H";      // cursor to the top-left cell
inline constexpr char esborra_pantalla[]    = "\x1b[2J";     // blank every cell of the screen
inline constexpr char esborra_resta[]       = "\x1b[J";      // blank from the cursor to the screen's end
inline constexpr char esborra_resta_fila[]  = "\x1b[K";      // blank from the cursor to the row's end
inline constexpr char fila_seguent[]        = "\x1b[E";      // cursor to column 1 of the next row
inline constexpr char sincronitza[]         = "\x1b[?2026h"; // hold the drawing until the frame's end
inline constexpr char fi_sincronitza[]      = "\x1b[?2026l"; // show the frame held since sincronitza
inline constexpr char amaga_cursor[]        = "\x1b[?25l";   // cursor hidden
inline constexpr char mostra_cursor[]       = "\x1b[?25h";   // cursor shown
inline constexpr char cursor_bloc[]         = "\x1b[1 q";    // cursor shape: blinking block
inline constexpr char cursor_ratlla[]       = "\x1b[3 q";    // cursor shape: blinking underline
inline constexpr char cursor_habitual[]     = "\x1b[0 q";    // cursor shape: the terminal's own
inline constexpr char colors_habituals[]    = "\x1b[0m";     // the terminal's default colours
inline constexpr char pantalla_alt[]        = "\x1b[?1049h"; // to the alternate screen, the normal one kept
inline constexpr char pantalla_normal[]     = "\x1b[?1049l"; // back to the normal screen as it was kept
// With numbers, through snprintf:
inline constexpr char posicio[]             = "\x1b[%d;%dH"; // cursor to row, column (1-based)
inline constexpr char colors[]              = "\x1b[0;%d;%dm"; // default, then foreground and background
// clang-format on

// Sequences joined into one, at compile time (one write, safe in a handler).
template <std::size_t... N>
constexpr auto uneix(const char (&...parts)[N]) {
  std::array<char, (N + ... + 0) - sizeof...(N) + 1> r {};
  std::size_t i = 0;
  ((std::copy_n(parts, N - 1, r.begin() + static_cast<std::ptrdiff_t>(i)), i += N - 1), ...);
  return r;
}

}  // namespace plataforma::seq

#endif
