#!/usr/bin/env bash
# Renders Tessar's tablet pictures (tessar/resources/art/*.svg) into the
# committed BMP files that Tessar.rc names. Installs the renderer
# (librsvg2-bin) and Debian's Python imaging library if they are missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
python=/usr/bin/python3

missing=()
command -v rsvg-convert >/dev/null || missing+=(librsvg2-bin)
"$python" -c 'import PIL' 2>/dev/null || missing+=(python3-pil)
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

exec "$python" "$root/tessar/resources/art/render.py" "$@"
