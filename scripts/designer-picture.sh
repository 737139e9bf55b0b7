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

Xvfb "$display" -screen 0 1600x1000x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
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
# (Windows come and go while Designer starts: a search may meet one that went.)
main=
for _ in $(seq 150); do
    main=$(xdotool search --onlyvisible --name "Qt Designer" 2>/dev/null | head -1) || true
    [ -n "$main" ] && break
    sleep 0.2
done
[ -n "$main" ] || { echo "designer-picture: Designer did not start" >&2; exit 1; }
# No window manager: Designer's window is made to fill the screen.
xdotool windowmove "$main" 0 0 windowsize "$main" 1600 1000
sleep 3

shot() { xwd -root -silent | xwdtopnm 2>/dev/null; }

read -r x y < <(shot | python3 "$root/scripts/resizer-icon-at.py")
xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
for _ in $(seq 100); do
    xdotool search --onlyvisible --name "Edit Resizing" >/dev/null 2>&1 && break
    sleep 0.2
done
pages=$(xdotool search --onlyvisible --name "Edit Resizing" | head -1) ||
    { echo "designer-picture: the pages did not open" >&2; exit 1; }
sleep 1
# "Resizing Set": the form's shadow coloured by each widget's anchoring.
xdotool mousemove --window "$pages" 36 338 click 1
sleep 2
mkdir -p "$(dirname "$out")"
shot | pnmtopng >"$out"
echo "wrote $out"
