#!/usr/bin/env bash
# Installs what building and testing Vorlane needs on Debian 12, and nothing that is already
# there. It installs packages and writes no file: the silent sound device that the tests need on
# a machine without a sound card belongs to the test session (tools/wine-session.sh). Run as
# root. Prints one line per action it takes and nothing when all is in place, so the Makefile
# can call it before every build.
set -euo pipefail

packages=(
    cmake g++ make googletest libgtest-dev libbenchmark-dev clang-format
    # libFuzzer and clang's sanitizer runtimes are a package of their own, which clang only
    # recommends.
    clang libclang-rt-dev
    g++-mingw-w64-x86-64-posix mingw-w64-tools
    wine wine64 xvfb xdotool imagemagick x11-utils
    # xrandr: the display test offers the virtual display a smaller size.
    x11-xserver-utils
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly
    gstreamer1.0-libav
    # The release: wixl builds the installer, msitools reads and stamps it, faketime holds the
    # clock still for both, zip and unzip make and check the portable archive.
    wixl msitools faketime zip unzip
)

# One dpkg-query for all packages keeps the "nothing to do" case fast. A package counts as
# present only when dpkg says "install ok installed" (not merely known or half-configured).
missing=()
status=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null || true)
for p in "${packages[@]}"; do
    if ! grep -qx "$p install ok installed" <<<"$status"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]} > 0)); then
    if [[ $(id -u) -ne 0 ]]; then
        echo "install-deps: missing ${missing[*]}; run this script as root" >&2
        exit 1
    fi
    echo "install-deps: apt-get update"
    apt-get update -qq >/dev/null
    echo "install-deps: installing ${missing[*]}"
    # With recommends: Wine's fonts (fonts-wine, fonts-liberation) decide how the program's
    # text renders, and the tests were measured with them.
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi
