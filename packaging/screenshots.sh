#!/usr/bin/env bash
# Retakes the README's pictures: the editor with a template open (under Xvfb),
# a published template in headless Chromium with a submenu open, each
# template's look (needs the run-time tests' node packages:
# scripts/install-deps.sh --tests), and the Live Preview pane.
# Usage: packaging/screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bin="$build/bin"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
mkdir -p "$HOME" docs

# The published menu, on a page with some text beside it.
cp "data/templates/Classic Blue.tmz" "$work/menu.tmz"
"$bin/trellimenu-cli" publish "$work/menu.tmz"
{
  echo '<!DOCTYPE html><html><head><title>Our products</title></head>'
  echo '<body style="font-family: DejaVu Sans, sans-serif; color: #223; margin: 0">'
  sed -n '/<!-- CODES BEGIN -->/,/<!-- CODES END -->/p' "$work/menu.html"
  echo '<div style="margin-left: 500px; padding: 18px 24px 0 0"><h1 style="color:#1f5a96;margin-top:0">Welcome to our shop</h1>'
  echo '<p>The menu on the left was made with Trellimenu from the Classic Blue template.</p>'
  echo '<p>Point at an item with an arrow and its submenu slides open.</p></div>'
  echo '</body></html>'
} >"$work/shot.html"
node packaging/screenshot-menu.js "$work/shot.html" docs/published-menu.png
# A bar in a site's header: the block pasted into <header>, the page's own
# content following it in the flow.
cp "data/templates/Light Top Bar.tmz" "$work/bar.tmz"
"$bin/trellimenu-cli" publish "$work/bar.tmz"
{
  echo '<!DOCTYPE html><html lang="en"><head><meta name="viewport" content="width=device-width, initial-scale=1"><title>Northgate Bakery</title></head>'
  echo '<body style="font-family: DejaVu Sans, sans-serif; color: #223; margin: 0">'
  echo '<header style="background:#f4efe6;border-bottom:1px solid #d8cdb8"><p style="margin:0;padding:14px 24px 6px;font-size:22px;font-weight:bold;color:#5a3b12">Northgate Bakery</p>'
  sed -n '/<!-- CODES BEGIN -->/,/<!-- CODES END -->/p' "$work/bar.html"
  echo '</header><main style="padding:8px 24px"><h1 style="color:#5a3b12">Fresh every morning</h1>'
  echo '<p>The bar above was made with Trellimenu from the Light Top Bar template and pasted into the page&#39;s header.</p>'
  echo '<p>The page&#39;s content follows it; a submenu drops over the content without moving it.</p></main>'
  echo '</body></html>'
} >"$work/bar-shot.html"
node packaging/screenshot-menu.js "$work/bar-shot.html" docs/bar-in-header.png 900x330
# Each shipped template, for the README's template list.
node packaging/screenshot-templates.js "$bin" docs

# The editor keeps to its own size here: the Live Preview pane, shown by
# default on a screen this wide, has pictures of its own below.
mkdir -p "$XDG_CONFIG_HOME/Varn"
printf '[1.0]\nEditor\\LivePreview\\Visible=false\n' >"$XDG_CONFIG_HOME/Varn/Trellimenu 2006.conf"
# The editor at its own size, centred on a larger screen, with the same
# template open and "Products" selected (xdotool drives the pointer). It runs
# from a copy of the program folder: an opened project enters the recent
# files list there, and the build's own folder stays as the build made it.
cp -a "$bin" "$work/bin"
cat >"$work/editor.sh" <<SCRIPT
"$work/bin/trellimenu" "$work/menu.tmz" &
pid=\$!
sleep 4
xdotool mousemove 300 203 click 1 sleep 0.5 key Right sleep 1
import -window root "$work/root.png"
kill \$pid
SCRIPT
xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/editor.sh" >/dev/null 2>&1
convert "$work/root.png" -crop 860x600+210+116 +repage docs/editor.png

# The Live Preview pane at the desktop and the phone width, taken by the
# editor's benchmark program (cmake -DTRELLIMENU_BENCH=ON, see the README).
bench_program=${BENCH_DIR:-build-bench}/bench/bench_bench_livepreview
if [ -x "$bench_program" ]; then
  xvfb-run -a -s "-screen 0 1600x900x24" \
    "$bench_program" --shots docs >/dev/null 2>&1
  echo "docs/live-preview-desktop.png and docs/live-preview-phone.png written"
else
  echo "no $bench_program: the Live Preview pictures are left as they are"
fi
echo "docs/editor.png, docs/published-menu.png, docs/bar-in-header.png and docs/template-*.png written"
