#!/usr/bin/env bash
# Publishing a 10,000-item menu with the native trellimenu-cli and with the
# Windows one under Wine, side by side in one run: the best of five each.
#   bench/windows/publish-native-vs-wine.sh [build] [build-windows]
set -euo pipefail
native="$(realpath "${1:-build}")/bin/trellimenu-cli"
windows="$(realpath "${2:-build-windows}")/bin/trellimenu-cli.exe"
work=$(mktemp -d "${TMPDIR:-/tmp}/trellimenu-bench.XXXXXX")
export WINEPREFIX="$work/wine" WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
cd "$work"

# The structure of a template, grown to 10,000 items on three levels.
cp "$(dirname "$native")/templates/Classic Blue.tmz" template.tmz
"$native" export-structure template.tmz template.gms
python3 - <<'PY'
head = open('template.gms', 'rb').read().split(b'<Structure_Description>\r\n')[0]
lines = [b'%d#$@Item %d#$@page%d.html#$@_self#$@Status %d#$@' % (0 if i % 100 == 0 else 1 if i % 10 == 0 else 2, i, i, i)
         for i in range(10000)]
open('big.gms', 'wb').write(head + b'<Structure_Description>\r\n' + b'\r\n'.join(lines) + b'\r\n</Structure_Description>\r\n')
PY
"$native" import-structure big.gms big.tmz
wineboot --init >/dev/null 2>&1 || true
wine "$windows" --version >/dev/null  # Wine's server up before the clock runs

best() {  # best wall time in seconds of five runs of "$@"
  local best=999999 start end
  for _ in 1 2 3 4 5; do
    rm -rf out && mkdir out
    start=$(date +%s.%N); "$@" >/dev/null; end=$(date +%s.%N)
    best=$(echo "$end - $start < $best" | bc -l | grep -q 1 && echo "$end - $start" | bc -l || echo "$best")
  done
  printf '%.3f' "$best"
}
n=$(best "$native" publish big.tmz --out out)
w=$(best wine "$windows" publish big.tmz --out out)
echo "publish, 10,000 items: native ${n} s, Windows under Wine ${w} s, ratio $(echo "$w / $n" | bc -l | xargs printf '%.2f')"
