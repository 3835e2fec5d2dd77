#!/usr/bin/env bash
# Installs every Debian package that building, running and testing ZEL needs.
# Quick when everything is already there: it asks dpkg first and only calls apt when something is missing.
# Given package names, it installs those instead (scripts/install-fuzz-deps.sh uses this).
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  qt6-charts-dev libqt6opengl6-dev qtkeychain-qt6-dev
  libsqlite3-dev sqlite3
  libzip-dev libcurl4-openssl-dev mdbtools-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils xdg-utils fonts-liberation
  desktop-file-utils shared-mime-info file
  fonts-symbola fonts-wqy-microhei fonts-noto-color-emoji
  xvfb xauth xdotool
  chromium chromium-driver
  python3 python3-pyftpdlib python3-openssl python3-aiosmtpd
)
if [ $# -gt 0 ]; then packages=("$@"); fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
