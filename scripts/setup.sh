#!/usr/bin/env bash
# Installs, with apt-get, the packages the build and the tests need that this machine lacks.
# Run as root on Debian 12.
set -euo pipefail

packages=(
  g++ cmake make pkg-config binutils
  libgtest-dev libgmock-dev libbenchmark-dev
  libzip-dev zip unzip libpugixml-dev libsimpleini-dev libspdlog-dev libfmt-dev libcli11-dev
  libhessian-java
)
# Any JDK will do for the Java peer tests; install one only where none is present.
command -v javac >/dev/null 2>&1 || packages+=(default-jdk-headless)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  echo "all packages present"
fi
