#!/usr/bin/env bash
# Renders Vexo's artwork (vexo/resources/art/*.svg) into the committed BMP and
# CUR resources and writes vexo/resources/Artwork.rc. Installs the renderer
# (librsvg2-bin) and Debian's Python imaging library if they are missing.
#   tools/render-art.sh            render everything
#   tools/render-art.sh --sheet F  also write a contact sheet PNG to F
set -euo pipefail
cd "$(dirname "$0")/.."

# Debian's own Python, so that python3-pil is the one imported.
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

exec "$python" vexo/resources/art/render.py "$@"
