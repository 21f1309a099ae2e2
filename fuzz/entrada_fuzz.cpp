// The console's line-at-a-time input fed through a pipe: whatever the
// bytes, standard input hands them all over, in order, and then ends.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "plataforma.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dades, std::size_t mida) {
  if (mida > 60000) return 0;  // what a pipe holds without a reader
  int canal[2];
  if (pipe(canal) != 0) std::abort();
  if (mida && write(canal[1], dades, mida) != static_cast<ssize_t>(mida)) std::abort();
  close(canal[1]);
  int copia = dup(STDIN_FILENO);
  dup2(canal[0], STDIN_FILENO);
  close(canal[0]);
  std::clearerr(stdin);
  std::string llegit;
  for (int c; (c = std::getchar()) != EOF;) {
    llegit.push_back(static_cast<char>(c));
  }
  std::clearerr(stdin);
  dup2(copia, STDIN_FILENO);
  close(copia);
  if (llegit != std::string(reinterpret_cast<const char *>(dades), mida)) std::abort();
  return 0;
}
