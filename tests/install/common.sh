# Shared by the installation tests: a scratch folder removed on exit (made
# writable first, since some tests lock it), and failure reporting.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/trellimenu-install.XXXXXX")
trap 'chmod -R u+w "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

expect_file() {
  [ -s "$1" ] || fail "missing or empty: $1"
}

# The files a save publishes beside a project called $2 in folder $1.
expect_published() {
  local folder=$1 name=$2 f
  for f in "$name.html" "$name.tmz" "${name}_PublishReport.txt" tmzcfg.js tmzparams.js tmzie.js tmzmo.js tmzop.js \
           arrow_normal.gif arrow_over.gif; do
    expect_file "$folder/$f"
  done
}

finish() {
  if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}
