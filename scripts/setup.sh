#!/usr/bin/env bash
# Installs the Debian packages Orrelin needs to build and test, and the comma-decimal
# locale the text-form tests run under. Safe to run again: it installs only what is missing.
set -euo pipefail

PACKAGES=(
  build-essential make cmake pkg-config
  googletest libgtest-dev libbenchmark-dev
  qt6-base-dev libgl-dev fonts-dejavu-core libcli11-dev nlohmann-json3-dev libical-dev
  locales tzdata libhowardhinnant-date-dev
  xvfb openbox
  cmark librsvg2-bin desktop-file-utils appstream dpkg-dev file man-db
  clang libclang-rt-14-dev
  libswe-dev swe-basic-data libcairo2-dev zlib1g-dev
)
COMMA_LOCALE="de_DE.UTF-8"

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the ${COMMA_LOCALE} locale"
  $SUDO sed -i "s/^# *\(${COMMA_LOCALE} UTF-8\)/\1/" /etc/locale.gen
  grep -q "^${COMMA_LOCALE} UTF-8" /etc/locale.gen || echo "${COMMA_LOCALE} UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
