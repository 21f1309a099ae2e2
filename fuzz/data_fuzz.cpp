// The calendar's closed-form day count against the day-by-day walk it
// stands for, on dates close enough for the walk to be quick.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "data.h"

namespace {

std::int64_t passeja(std::int64_t d, std::int64_t m, std::int64_t a, std::int64_t fd, std::int64_t fm,
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dades, std::size_t mida) {
  std::int16_t v[6] = {};
  std::memcpy(v, dades, mida < sizeof v ? mida : sizeof v);
  // Days and months from -40 to 40, years within 30 of each other.
  int da = v[0] % 41, ma = v[1] % 41, aa = 1 + (v[2] % 3000 + 3000) % 3000;
  int db = v[3] % 41, mb = v[4] % 41, ab = aa + v[5] % 31;
  std::int64_t esperat = passeja(da, ma, aa, db, mb, ab);
  int obtingut = dies_transcorreguts(da, ma, aa, db, mb, ab);
  if (obtingut != static_cast<int>(esperat)) std::abort();
  if (dies_transcorreguts(db, mb, ab, da, ma, aa) != obtingut) std::abort();
  return 0;
}
