#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail
packages=(cmake g++ make libgtest-dev libgmock-dev nlohmann-json3-dev libcgal-dev libgmp-dev libmpfr-dev
          libboost-dev libbenchmark-dev)
# The IFC import's mesh stage runs web-ifc under node (any node will do; Debian's when none is there).
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -ne 0 ]; then
echo "Installing missing packages: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y --no-install-recommends "${missing[@]}" || {
  $SUDO apt-get update && $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
}
fi
# The mesh stage's node packages, pinned by tools/ifc-mesh/package-lock.json.
ifc_mesh="$(cd "$(dirname "$0")/.." && pwd)/tools/ifc-mesh"
if [ ! -f "$ifc_mesh/node_modules/web-ifc/package.json" ]; then
  echo "Installing the IFC mesh stage's node packages (npm ci in tools/ifc-mesh)"
  (cd "$ifc_mesh" && npm ci --no-audit --no-fund)
fi
