#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs to build, test and run.
# Runs as root, or through sudo when available.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libpq-dev postgresql-15 postgresql-client-15
  libssl-dev openssl
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  python3 xvfb xauth bc time iproute2
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Pachete lipsa (${missing[*]}); rulati ca root." >&2; exit 1; }
  SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# A container without an init system must not start Debian's own cluster.
if [ ! -e /usr/sbin/policy-rc.d ] && [ "$(id -u)" -eq 0 ]; then
  printf '#!/bin/sh\nexit 101\n' > /usr/sbin/policy-rc.d && chmod +x /usr/sbin/policy-rc.d
  trap 'rm -f /usr/sbin/policy-rc.d' EXIT
fi
$SUDO apt-get update -qq || true
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
