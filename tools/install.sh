#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need. Idempotent:
# packages already present are not asked for again, so a second run costs seconds.
set -euo pipefail
packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config clang-format git
  libgtest-dev libgmock-dev libbenchmark-dev
  libxml2-dev libssl-dev zlib1g-dev libcurl4-openssl-dev nlohmann-json3-dev libzip-dev libicu-dev libnss3-dev
  python3 openssl xmlsec1 libnss3-tools softhsm2 opensc zip
)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install.sh: missing packages (${missing[*]}); run as root" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
