#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail
packages=(cmake g++ make libgtest-dev libgmock-dev nlohmann-json3-dev libcgal-dev libgmp-dev libmpfr-dev
          libboost-dev libbenchmark-dev pkg-config librsvg2-dev libcairo2-dev poppler-utils fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing missing packages: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y --no-install-recommends "${missing[@]}" || {
  $SUDO apt-get update && $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
}
