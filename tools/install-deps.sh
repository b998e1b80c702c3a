#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. As root it installs what is
# missing; otherwise it prints the one apt-get line to run and fails.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config make
    qt6-base-dev qt6-svg-dev
    libsqlite3-dev libsqlitecpp-dev
    libgtest-dev libgmock-dev
    fonts-dejavu-core
    libfuse3-dev fuse3
    libisoburn-dev libburn-dev libisofs-dev
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
