#!/bin/sh
# Installs the build into a temporary prefix and runs the launcher from there:
# its list, and one program through it, found in libexec/portafoli.
# Usage: instal-lacio.sh BUILD [--strip]. The plain build is installed as the
# README says, stripped; the sanitizer build as it is, since stripping its
# programs, five times larger, took most of the test's time.
set -eu
construccio=$1
shift
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$construccio" --prefix "$prefix" "$@" >/dev/null
test -x "$prefix/bin/portafoli"
test -f "$prefix/share/man/man1/portafoli.1"
test -x "$prefix/libexec/portafoli/contact-book"
test ! -e "$prefix/bin/contact-book"
[ "$("$prefix/bin/portafoli" --list | wc -l)" -eq "$(ls "$prefix/libexec/portafoli" | wc -l)" ]
# Moved away from the build tree, the installed launcher still finds its programs.
sortida=$(printf '0\n' | HOME="$prefix" "$prefix/bin/portafoli" --carpeta "$prefix/treball" contact-book)
case "$sortida" in *Adeu!*) ;; *) echo "unexpected output: $sortida"; exit 1;; esac
test -f "$prefix/treball/agenda.dat"
echo "installed and run from $prefix"
