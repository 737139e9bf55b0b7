#!/usr/bin/env bash
# The README's two pictures of `kelvane export`: a form drawn by `kelvane render`, and the .ui
# exported from it open in Qt Designer with the Kelvane plugin loaded, its resizer widget chosen
# so that the property editor shows the set-up it carries. Designer runs on a private X server
# (Xvfb) with a private settings folder; the resizer's icon is found on the screen by its
# colours and clicked (xdotool), and the screen is taken with xwd.
#   scripts/export-pictures.sh [BUILD_DIR [FORM.frm [OUT_PREFIX]]]
#   (default: build, docs/frmMail.frm, docs/export -> docs/export-render.png, -designer.png)
# Needs designer-qt6, xvfb, xdotool, x11-apps and netpbm (scripts/install-deps.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
form=${2:-$root/docs/frmMail.frm}
out=${3:-$root/docs/export}
designer=/usr/lib/qt6/bin/designer
plugin=$build/plugins/designer/libkelvane_designer.so
kelvane=$build/bin/kelvane

for tool in "$designer" "$kelvane" Xvfb xdotool xwd xwdtopnm pnmtopng python3; do
    command -v "$tool" >/dev/null || { echo "export-pictures: $tool is missing" >&2; exit 2; }
done
[ -f "$plugin" ] || { echo "export-pictures: no plugin at $plugin (build first)" >&2; exit 2; }

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
cleanup() {
    [ -n "${designer_pid:-}" ] && kill "$designer_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$(dirname "$out")"
"$kelvane" render "$form" -o "$out-render.png"
ui=$work/$(basename "${form%.*}").ui
# Exit 1 only says placeholders were made: the picture shows them.
"$kelvane" export "$form" -o "$ui" || [ $? -eq 1 ]

Xvfb "$display" -screen 0 1600x1000x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

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
[ -n "$main" ] || { echo "export-pictures: Designer did not start" >&2; exit 1; }
# No window manager: Designer's window is made to fill the screen.
xdotool windowmove "$main" 0 0 windowsize "$main" 1600 1000
sleep 4
shot() { xwd -root -silent | xwdtopnm 2>/dev/null; }
read -r x y < <(shot | python3 "$root/scripts/resizer-icon-at.py")
xdotool mousemove "$x" "$y" click 1
sleep 1
# The property editor's filter (where Designer puts it on this screen) shows the settings the
# widget carries; the pointer then goes off the form, so that no tooltip covers it.
xdotool mousemove 1290 386 click 1
sleep 0.5
xdotool type --delay 30 "Settings"
xdotool mousemove 1590 990
sleep 2
if grep -qi "kelvane" "$work/designer.log"; then cat "$work/designer.log" >&2; fi
shot | pnmtopng >"$out-designer.png"
echo "wrote $out-render.png and $out-designer.png"
