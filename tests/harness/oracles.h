// Oracles shared by the tests and the fuzz targets: plain, slow and
// independent ways of computing what the code under test computes fast.
#ifndef ARNES_ORACLES_H
#define ARNES_ORACLES_H

#include <cstdint>
#include <string>
#include <utility>

#include "data.h"

namespace prova {

// The calendar's day count as the walk it stands for: from the earlier date
// (days, then months, then years compared, invalid dates included), one day
// at a time while on or before the later date, less one. A day past its
// month's length becomes day 1 of the next month, a month past 12 January
// of the next year. The counters are 64-bit, so no step can overflow.
inline std::int64_t passeja(std::int64_t d, std::int64_t m, std::int64_t a, std::int64_t fd, std::int64_t fm,
                            std::int64_t fa) {
  auto abans = [&] { return a < fa || (a == fa && m < fm) || (a == fa && m == fm && d <= fd); };
  if (!abans()) std::swap(d, fd), std::swap(m, fm), std::swap(a, fa);
  std::int64_t dies = 0;
  while (abans()) {
    d++;
    if (d > dies_mes(static_cast<int>(m), static_cast<int>(a))) d = 1, m++;
    if (m > 12) m = 1, a++;
    dies++;
  }
  return dies - 1;
}

// Text as text mode stores it: a CR before every line feed.
inline std::string amb_crlf(const std::string &text) {
  std::string r;
  for (char c : text) {
    if (c == '\n') r += '\r';
    r += c;
  }
  return r;
}

}  // namespace prova

#endif
