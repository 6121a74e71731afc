#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, only those missing.
# Without root and without sudo it names the missing packages and the line
# to run as root, and fails.
set -euo pipefail
packages=(cmake ninja-build g++ ccache qt6-base-dev qt6-svg-dev libgl-dev libre2-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-dejavu-core scdoc file dpkg-dev desktop-file-utils shared-mime-info libxml2-utils appstream
          libfile-mimeinfo-perl groff-base mawk time clang-format clang-tidy clang-16 libclang-rt-16-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "Run as root: apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
