#!/usr/bin/env bash
# A picture of Qt Designer with the Kelvane plugin loaded and the resizer's property pages open
# on the example's mail window (apps/qt_designer_example/MailWindow.ui). Designer runs on a
# private X server (Xvfb) with a private settings folder; the resizer's icon is found on the
# screen by its colours and double-clicked (xdotool), and the screen is taken with xwd.
#   scripts/designer-picture.sh [BUILD_DIR [OUT.png]]     (default: build, docs/designer.png)
# Needs designer-qt6, xvfb, xdotool, x11-apps and netpbm (scripts/install-deps.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/docs/designer.png}
ui=$root/apps/qt_designer_example/MailWindow.ui
designer=/usr/lib/qt6/bin/designer
plugin=$build/plugins/designer/libkelvane_designer.so

for tool in "$designer" Xvfb xdotool xwd xwdtopnm pnmtopng python3; do
    command -v "$tool" >/dev/null || { echo "designer-picture: $tool is missing" >&2; exit 2; }
done
[ -f "$plugin" ] || { echo "designer-picture: no plugin at $plugin (build first)" >&2; exit 2; }

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
cleanup() {
    [ -n "${designer_pid:-}" ] && kill "$designer_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x800x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# Designer on its own settings, the plugin found in the build tree.
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
    QT_PLUGIN_PATH=$build/plugins QT_QPA_PLATFORM=xcb \
    "$designer" "$ui" >"$work/designer.log" 2>&1 &
designer_pid=$!
xdotool search --sync --onlyvisible --name "Qt Designer" >/dev/null
sleep 3

shot() { xwd -root -silent | xwdtopnm 2>/dev/null; }

# The centre of the resizer's icon on the screen: its red arrow next to its blue title bar.
find_icon() {
    python3 -c '
import sys
data = sys.stdin.buffer.read()
parts = data.split(maxsplit=4)
w, h = int(parts[1]), int(parts[2])
pix = parts[4]
red = []
for y in range(h):
    row = pix[y * w * 3:(y + 1) * w * 3]
    for x in range(w):
        r, g, b = row[3 * x], row[3 * x + 1], row[3 * x + 2]
        if r > 180 and g < 90 and b < 70:
            red.append((x, y))
if not red:
    sys.exit("no resizer icon on the screen")
xs = sorted(p[0] for p in red); ys = sorted(p[1] for p in red)
# The arrow runs from the icon centre to its lower right corner.
print(xs[len(xs) // 2] - 6, ys[len(ys) // 2] - 6)
'
}

read -r x y < <(shot | find_icon)
xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
xdotool search --sync --onlyvisible --name "Edit Resizing" >/dev/null
sleep 2
mkdir -p "$(dirname "$out")"
shot | pnmtopng >"$out"
echo "wrote $out"
