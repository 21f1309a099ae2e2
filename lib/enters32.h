// The one rule for 32-bit integer arithmetic that wraps, as the original
// int and long did: the work is done on the unsigned 32-bit pattern, where
// wrapping is defined, and the pattern is read back as int. Signed overflow
// never happens.
#ifndef ENTERS32_H
#define ENTERS32_H

#include <cstdint>

namespace enters32 {

// The low 32 bits of n.
constexpr std::uint32_t patro(std::int64_t n) { return static_cast<std::uint32_t>(n); }
// A 32-bit pattern read as a two's complement int.
constexpr int enter(std::uint32_t n) { return static_cast<std::int32_t>(n); }
// A wider integer brought to int by keeping its low 32 bits.
constexpr int redueix(std::int64_t n) { return enter(patro(n)); }

constexpr int suma(int a, int b) { return enter(patro(a) + patro(b)); }
constexpr int resta(int a, int b) { return enter(patro(a) - patro(b)); }
constexpr int producte(int a, int b) { return enter(patro(a) * patro(b)); }
constexpr int oposat(int a) { return enter(0u - patro(a)); }

}  // namespace enters32

#endif
