#!/usr/bin/env bash
# file-upcase on 1,000,000 bytes of "a" (a 60 MB report sent to /dev/null)
# against the same source built over plain stdio (file-upcase-stdio), in
# alternating rounds; CPU time (user + system) of whole processes. Prints
# the ratio's median, minimum and maximum; fails when the median is above
# 1.5.
set -euo pipefail

bin=$(cd "${1:-@DIR_PROGRAMES@}" && pwd)
stdio=${2:-@FILE_UPCASE_STDIO@}
rondes=${RONDES:-9}

carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT
cd "$carpeta"
head -c 1000000 /dev/zero | tr '\0' a > src

# Milliseconds of CPU (user + system) of one run on a fresh copy.
cpu() {
  cp src f
  local TIMEFORMAT='%3U %3S' t
  t=$( { time "$@" f < /dev/null > /dev/null; } 2>&1 )
  awk -v t="$t" 'BEGIN { split(t, p, " "); printf "%d\n", (p[1] + p[2]) * 1000 + 0.5 }'
}

quocients=()
for _ in $(seq "$rondes"); do
  capa=$(cpu "$bin/file-upcase")
  pla=$(cpu "$stdio")
  [ "$pla" -gt 0 ] || pla=1
  quocients+=("$(awk -v a="$capa" -v b="$pla" 'BEGIN { printf "%.2f", a / b }')")
  echo "file-upcase ${capa} ms, over stdio ${pla} ms"
done
ordenats=$(printf '%s\n' "${quocients[@]}" | sort -n)
mediana=$(echo "$ordenats" | sed -n "$(( (rondes + 1) / 2 ))p")
echo "file-upcase / stdio CPU ratio: median $mediana, min $(echo "$ordenats" | head -1), max $(echo "$ordenats" | tail -1)"
awk -v m="$mediana" 'BEGIN { exit !(m <= 1.5) }' || { echo "more than 1.5 times the CPU of plain stdio"; exit 1; }
