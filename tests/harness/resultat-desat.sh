#!/bin/sh
# Runs one test of a test binary: ctest's command line, with this script in
# front. Its own options, taken out before the test binary sees the rest:
#   --dir-programes=DIR   the programs under test (DIR_PROGRAMES)
#   --asan-options=OPTS   the sanitizer's options for them (ASAN_OPTIONS)
# A test that passed before, when nothing it ran has changed since, is not
# run again: it passes at once and says so. What a test ran is the test
# binary, every helper beside it, and the programs it asked the harness for
# (all of the folder when it ran the launcher), each compared by size and
# modification time. A failed test keeps no result and always runs again.
# PROVES_TOTES=1 runs every test.
binari=$1
shift
case " $* " in
*" --gtest_list_tests "*) exec "$binari" "$@" ;;
esac

n=$#
while [ $n -gt 0 ]; do
  n=$((n - 1))
  argument=$1
  shift
  case $argument in
  --dir-programes=*) export DIR_PROGRAMES="${argument#*=}" ;;
  --asan-options=*) export ASAN_OPTIONS="${argument#*=}" ;;
  *) set -- "$@" "$argument" ;;
  esac
done
[ -z "$PROVES_TOTES" ] || exec "$binari" "$@"

desats=$(dirname "$binari")/../resultats-desats
clau=$(printf '%s\n' "$binari" "$*" "$DIR_PROGRAMES" "$ASAN_OPTIONS" | md5sum | cut -c1-32)
desat=$desats/$clau

# The signature of the files named on standard input, one per line.
signatura() {
  tr '\n' '\0' | xargs -0 -r stat -L -c '%n %s %.9Y' 2>&1
}

if [ -f "$desat.fitxers" ] && [ -f "$desat.signatura" ] &&
  signatura <"$desat.fitxers" | cmp -s - "$desat.signatura"; then
  echo "Passed before, and nothing it runs has changed since: not run again."
  exit 0
fi
rm -f "$desat.fitxers" "$desat.signatura"

mkdir -p "$desats" || exit 1
registre=$desat.registre
: >"$registre" || exit 1
PROVA_REGISTRE_PROGRAMES=$registre "$binari" "$@"
estat=$?
if [ $estat -eq 0 ]; then
  {
    find "$(dirname "$binari")" -maxdepth 1 -type f
    if grep -qx '\*' "$registre"; then
      find "$DIR_PROGRAMES" -maxdepth 1 -type f
    fi
    grep -vx '\*' "$registre"
  } | sort -u >"$desat.fitxers"
  signatura <"$desat.fitxers" >"$desat.signatura"
fi
rm -f "$registre"
exit $estat
