#!/usr/bin/env bash
# Every shipped template publishes with the command-line tool into a complete
# file set whose page the browser can show with its menu drawn.
# Usage: publish_templates.sh PROGRAM_FOLDER TEMPLATES_FOLDER
set -uo pipefail
. "$(dirname "$0")/common.sh"
program_folder=$1 templates=$2
cli="$program_folder/trellimenu-cli"
# A per-user program folder, if the tool needs one, goes into the scratch folder.
export HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/data"
browser=$(command -v chromium || command -v chromium-browser || command -v google-chrome || true)

count=0
for template in "$templates"/*.tmz; do
  name=$(basename "$template" .tmz)
  count=$((count + 1))
  out="$scratch/$count"
  mkdir -p "$out"
  cp "$template" "$out/"
  if ! "$cli" publish "$out/$name.tmz" >"$scratch/log" 2>&1; then
    fail "$name: publish failed: $(cat "$scratch/log")"
    continue
  fi
  expect_published "$out" "$name"
  items=$(grep -c '^createItem(' "$out/tmzcfg.js")
  lines=$(awk '/^<\/Item_Parameters>\r?$/ { inside = 0 } inside { n++ } /^<Item_Parameters>\r?$/ { inside = 1 }
               END { print n + 0 }' "$out/$name.tmz")
  [ "$items" -eq "$lines" ] || fail "$name: $items item calls for $lines items"

  # The first caption of the menu must reach the page once the scripts ran.
  if [ -n "$browser" ]; then
    caption=$(sed -n 15p "$template" | sed 's/#\$@.*//')
    "$browser" --headless --no-sandbox --disable-gpu --virtual-time-budget=3000 --dump-dom \
      "file://$out/$name.html" >"$scratch/dom" 2>/dev/null
    grep -q ">$caption<" "$scratch/dom" || fail "$name: the published page does not show the item \"$caption\""
  fi
done
[ "$count" -ge 6 ] || fail "only $count templates in $templates"
finish
