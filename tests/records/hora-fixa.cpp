// Preloaded into a program under test: time() gives the second named by the
// variable HORA_FIXA, so that a run seeded with the time is reproducible.
#include <cstdlib>
#include <ctime>

extern "C" std::time_t time(std::time_t *desti) {
  const char *hora = std::getenv("HORA_FIXA");
  std::time_t segon = hora ? static_cast<std::time_t>(std::strtoll(hora, nullptr, 10)) : 0;
  if (desti) *desti = segon;
  return segon;
}
