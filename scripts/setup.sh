#!/usr/bin/env bash
# Installs what Kaminor needs to build, run and test, when it is missing.
# Debian 12 packages only; asks apt for nothing that is already there.
set -euo pipefail

packages=(
    build-essential cmake pkgconf
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-multimedia-dev qt6-qpa-plugins libgl-dev
)
if [ "${1:-}" = "--test" ]; then
    packages+=(xvfb xauth chromium nodejs npm desktop-file-utils appstream dpkg-dev file)
    # The sanitizer build and the fuzz targets: clang, its sanitizer and fuzzer runtimes.
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# A node from elsewhere (nvm, a vendor build) serves as well as Debian's.
if command -v node >/dev/null 2>&1 && command -v npm >/dev/null 2>&1; then
    filtered=()
    for p in "${missing[@]}"; do
        [ "$p" = nodejs ] || [ "$p" = npm ] || filtered+=("$p")
    done
    missing=("${filtered[@]+"${filtered[@]}"}")
fi

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
