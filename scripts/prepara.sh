#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when missing.
set -euo pipefail
# Extra packages may be named on the command line (make fuzz asks for clang).
paquets=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev libvterm-dev ninja-build "$@")
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
