#!/usr/bin/env bash
# Installs, with apt-get, the packages that building and testing need and that are missing.
set -euo pipefail
paquets=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev
         qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev qt6-translations-l10n fonts-dejavu-core
         libenet-dev pkg-config)
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0
echo "Installing: ${manquants[*]}"
sudo_=""
[ "$(id -u)" -ne 0 ] && sudo_="sudo"
$sudo_ apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${manquants[@]}"
