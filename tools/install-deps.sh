#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# Usage: tools/install-deps.sh [build|test]
set -euo pipefail

# Qt's Gui module draws the board pictures of make and render.
packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev)
if [[ "${1:-build}" == test ]]; then
  # clang for the fuzz targets and clang-tidy; real readers of the exported
  # files: gerbv (Gerber, Excellon), ezdxf (DXF), openscad (OpenSCAD).
  packages+=(clang clang-tidy libclang-rt-14-dev gerbv python3-ezdxf openscad)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi
