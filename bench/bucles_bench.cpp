// Speed of the loop programs whose work grows with their input: the built
// programs run whole, with their reply on standard input and their output
// thrown away.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace {

// Runs bin/<programa> with entrada as its whole input; its exit status, or
// -1 when it could not be run or was ended by a signal.
int executa(const char *programa, const std::string &entrada) {
  int tub[2];
  if (pipe(tub) != 0) return -1;
  // The replies are a few bytes: they fit in the pipe before the program starts.
  if (write(tub[1], entrada.data(), entrada.size()) != static_cast<ssize_t>(entrada.size())) return -1;
  close(tub[1]);
  std::string cami = std::string(DIR_PROGRAMES) + "/" + programa;
  pid_t fill = fork();
  if (fill == 0) {
    int nul = open("/dev/null", O_WRONLY);
    dup2(tub[0], STDIN_FILENO);
    dup2(nul, STDOUT_FILENO);
    execl(cami.c_str(), programa, static_cast<char *>(nullptr));
    _exit(127);
  }
  close(tub[0]);
  int estat = 0;
  if (fill < 0 || waitpid(fill, &estat, 0) < 0 || !WIFEXITED(estat)) return -1;
  return WEXITSTATUS(estat);
}

void programa(benchmark::State &estat, const char *nom, const char *entrada) {
  for (auto _ : estat)
    if (executa(nom, entrada) != 0) estat.SkipWithError("the program did not end with status 0");
}

// Targets: a limit of 100000 under 0.5 s, 1000000 under 3 s.
BENCHMARK_CAPTURE(programa, perfect_numbers_100000, "perfect-numbers", "100000\n")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(programa, perfect_numbers_1000000, "perfect-numbers", "1000000\n")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
// The longest run of subtractions: target under 10 ms.
BENCHMARK_CAPTURE(programa, gcd_subtraction_1_2147483647, "gcd-subtraction", "1 2147483647\n")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
