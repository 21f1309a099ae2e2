#!/usr/bin/env bash
# The file splitter against coreutils: split a 25-part file and join it back,
# timed as whole processes (exec to exit, wall clock), in alternating rounds.
# Fails when the splitter takes more than 1.5 times as long as split + cat.
# Also times file-upcase on 1,000,000 bytes of "a" (target: under 0.5 s).
set -euo pipefail

bin=$(cd "${1:-@DIR_PROGRAMES@}" && pwd)
rondes=${RONDES:-7}
mida=36250000  # 25 parts of 1,450,000 bytes
part=1450000

carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT
cd "$carpeta"

# Fixed-seed pseudo-random bytes, read once to warm the cache.
python3 -c "import random,sys; random.seed(20261208); sys.stdout.buffer.write(random.randbytes($mida))" > src
cat src > /dev/null

parts=()
for i in $(seq 0 24); do parts+=("src$i.dat"); done
trossos=()
for i in $(seq -w 0 24); do trossos+=("part.$i"); done

# Microseconds of wall clock between two $EPOCHREALTIME readings.
us() { echo $(( (${2/./} - ${1/./}) )); }

ronda_splitter() {
  local t0 t1
  t0=$EPOCHREALTIME
  "$bin/file-splitter" -p src < /dev/null > /dev/null
  "$bin/file-splitter" -u out src0.dat "${parts[@]:1}" < /dev/null > /dev/null
  t1=$EPOCHREALTIME
  us "$t0" "$t1"
}

ronda_coreutils() {
  local t0 t1
  t0=$EPOCHREALTIME
  split -b $part -d -a 2 src part.
  cat "${trossos[@]}" > out2
  t1=$EPOCHREALTIME
  us "$t0" "$t1"
}

neteja() { rm -f "${parts[@]}" "${trossos[@]}" out out2; }

# Checked once: each part is coreutils' chunk of the same index, and both
# joins give the source back.
ronda_splitter > /dev/null
ronda_coreutils > /dev/null
for i in $(seq 0 24); do
  cmp -s "src$i.dat" "${trossos[$i]}" || { echo "part $i differs from split's chunk"; exit 1; }
done
cmp -s src out || { echo "the splitter's join differs from the source"; exit 1; }
cmp -s src out2 || { echo "cat's join differs from the source"; exit 1; }
neteja

temps_a=()
temps_b=()
for _ in $(seq "$rondes"); do
  temps_a+=("$(ronda_splitter)")
  neteja
  temps_b+=("$(ronda_coreutils)")
  neteja
done

mediana() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
ma=$(mediana "${temps_a[@]}")
mb=$(mediana "${temps_b[@]}")
echo "split + join, $rondes rounds, medians:"
awk -v a="$ma" -v b="$mb" 'BEGIN {
  printf "  file-splitter -p, -u:   %8.1f ms\n  coreutils split + cat:  %8.1f ms\n  ratio:                  %8.2f (limit 1.5)\n", a / 1000, b / 1000, a / b
  exit (a / b > 1.5) ? 1 : 0
}' || { echo "FAILED: the splitter is more than 1.5 times slower than coreutils"; exit 1; }

# file-upcase on 1,000,000 bytes of "a", its report going to a file.
temps_c=()
for _ in 1 2 3; do
  head -c 1000000 /dev/zero | tr '\0' a > a.txt
  t0=$EPOCHREALTIME
  "$bin/file-upcase" a.txt < /dev/null > informe
  t1=$EPOCHREALTIME
  temps_c+=("$(us "$t0" "$t1")")
done
mc=$(mediana "${temps_c[@]}")
echo "file-upcase on 1,000,000 bytes, median of 3: $(awk -v c="$mc" 'BEGIN {printf "%.1f ms", c / 1000}') (target 500 ms), report $(wc -c < informe) bytes"
[ "$(tr -d A < a.txt | wc -c)" = 0 ] || { echo "file-upcase left lower-case letters"; exit 1; }
awk -v c="$mc" 'BEGIN {exit (c > 500000) ? 1 : 0}' || { echo "FAILED: file-upcase took more than 0.5 s"; exit 1; }
