#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail
packages=(cmake g++ make libgtest-dev libgmock-dev nlohmann-json3-dev libcgal-dev libgmp-dev libmpfr-dev libpugixml-dev
          libboost-dev libbenchmark-dev libcpp-httplib-dev pkg-config chromium libcli11-dev
          librsvg2-dev libcairo2-dev poppler-utils fonts-dejavu-core)
# The workbench's browser side (three.js, and puppeteer-core for its browser tests) comes from npm.
command -v npm > /dev/null || packages+=(nodejs npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}" || {
    $SUDO apt-get update && $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
  }
fi
# The npm packages exactly as web/package-lock.json pins them, installed once (again when the lock changes).
web="$(dirname "$0")/../web"
if [ ! -f "$web/node_modules/.package-lock.json" ] || [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
  echo "Installing the workbench's npm packages (web/package-lock.json)"
  (cd "$web" && npm ci --no-audit --no-fund --loglevel=error)
fi
# The mesh stage's node packages, pinned by tools/ifc-mesh/package-lock.json.
ifc_mesh="$(cd "$(dirname "$0")/.." && pwd)/tools/ifc-mesh"
if [ ! -f "$ifc_mesh/node_modules/web-ifc/package.json" ]; then
  echo "Installing the IFC mesh stage's node packages (npm ci in tools/ifc-mesh)"
  (cd "$ifc_mesh" && npm ci --no-audit --no-fund)
fi
