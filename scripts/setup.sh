#!/usr/bin/env bash
# Installs what building, running and testing Noctaris needs on Debian 12,
# and the Japanese locale that Wine takes its ANSI code page (932) from.
# The 32-bit Wine that runs the i686 release comes too, when this kernel runs
# 32-bit programs; where it does not, this says so and test.sh reports the
# i686 tests as not run. Safe to run again: it only installs what is missing.
set -euo pipefail
source "$(dirname "$0")/kernel_runs_32bit.sh"

packages=(
    cmake ninja-build g++ python3
    g++-mingw-w64-x86-64 g++-mingw-w64-i686
    libgtest-dev libgmock-dev
    clang libclang-rt-14-dev
    wine64 xvfb xdotool imagemagick fonts-ipafont locales
    fuse3 python3-fusepy
    libstb-dev
)

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# A mirror that is syncing fails a download now and then; try again before
# giving up.
three_tries() {
    local attempt
    for attempt in 1 2 3; do
        "$@" && return 0
        [ "$attempt" -lt 3 ] && { echo "setup: '$*' failed; trying again in 15 s" >&2; sleep 15; }
    done
    return 1
}

if kernel_runs_32bit; then
    packages+=(wine32:i386)
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "setup: adding the i386 architecture for the 32-bit Wine"
        sudo_if_needed dpkg --add-architecture i386
    fi
else
    echo "setup: WARNING: this kernel cannot run 32-bit programs; the i686 release will not be tested" >&2
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    lists_updated=1
    three_tries sudo_if_needed apt-get update -qq || lists_updated=0
    install() {
        sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >/dev/null
    }
    if ! three_tries install "${missing[@]}"; then
        [ "$lists_updated" -eq 1 ] && exit 1
        # The security suite's lists for one architecture did not come: the
        # 32-bit libraries must have the very versions of the 64-bit ones,
        # so take both from the main suites, whose lists did come.
        echo "setup: WARNING: some package lists could not be updated; installing from the main suites alone" >&2
        sources=$(mktemp -d)
        trap 'rm -rf "$sources"' EXIT
        for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [ -f "$file" ] && grep -v debian-security "$file" >"$sources/$(basename "$file")" || true
        done
        for file in /etc/apt/sources.list.d/*.sources; do
            # A paragraph for each source.
            [ -f "$file" ] && awk -v RS= -v ORS='\n\n' '!/debian-security/' "$file" >"$sources/$(basename "$file")" || true
        done
        # All of them, so that none already here is removed to make way.
        install --allow-downgrades -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$sources" "${packages[@]}"
    fi
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "setup: generating the ja_JP.UTF-8 locale"
    sudo_if_needed sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | sudo_if_needed tee -a /etc/locale.gen >/dev/null
    sudo_if_needed locale-gen >/dev/null
fi
