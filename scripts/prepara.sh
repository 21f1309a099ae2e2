#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when missing.
# With --programes first, only what building the programs and the launcher
# needs (make run); extra packages may be named after it (make fuzz asks for
# clang).
set -euo pipefail
paquets=(cmake g++ make)
if [ "${1:-}" = --programes ]; then
  shift
else
  paquets+=(pkg-config libgtest-dev libgmock-dev libbenchmark-dev libvterm-dev ninja-build)
fi
paquets+=("$@")
falten=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || falten+=("$p")
done
[ ${#falten[@]} -eq 0 ] && exit 0
echo "Installing missing Debian packages: ${falten[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${falten[@]}"
echo "Packages installed."
