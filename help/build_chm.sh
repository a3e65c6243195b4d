#!/usr/bin/env bash
# Compiles an HTML help project into a compiled help file (.chm).
# Usage: build_chm.sh PROJECT.hhp OUTPUT.chm
#
# The compiler resolves the [MAP] include and writes its output relative to the current
# folder, and its exit status cannot be trusted (it may report errors and still exit 0),
# so it runs inside a scratch copy of the project's folder and its output is judged:
# a non-zero status, any line starting with "Error", or a missing or empty file fails.
# Pages are not scanned for links: every file must be listed in [FILES].
set -euo pipefail

if [[ $# -ne 2 ]]; then
  echo "usage: $0 PROJECT.hhp OUTPUT.chm" >&2
  exit 2
fi
project=$(realpath "$1")
output=$(realpath -m "$2")
compiler=${CHMCMD:-chmcmd}

compiled=$(sed -n 's/^[[:space:]]*Compiled file[[:space:]]*=[[:space:]]*//Ip' "$project" \
  | tr -d '\r' | head -n 1)
if [[ -z $compiled ]]; then
  echo "error: $1 names no compiled file" >&2
  exit 1
fi

# The compiler drops a context silently when its name is not in the map, or the map's
# file is missing, and it cannot store context number 0: refuse such a project.
check_context_map() {
  awk -v dir="$(dirname "$1")" '
    { sub(/\r$/, "") }
    /^\[/ { section = toupper($0); next }
    section == "[MAP]" && $1 == "#include" {
      file = dir "/" $2
      if ((getline line < file) <= 0) { print "error: the map file " $2 " is missing"; bad = 1; next }
      do { split(line, word); if (word[1] == "#define") value[word[2]] = word[3] } while ((getline line < file) > 0)
      close(file)
      next
    }
    section == "[MAP]" && $1 == "#define" { value[$2] = $3 }
    section == "[ALIAS]" && /=/ { name = $0; sub(/=.*/, "", name); gsub(/[ \t]/, "", name); alias[name] = 1 }
    END {
      for (name in alias) if (!(name in value)) { print "error: the alias " name " names no context of the map"; bad = 1 }
      for (name in value) if (value[name] ~ /^(0+|0[xX]0+)$/) { print "error: " name " is context number 0, which cannot be mapped"; bad = 1 }
      exit bad
    }' "$1" >&2
}
check_context_map "$project"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -R "$(dirname "$project")"/. "$scratch"/
cd "$scratch"
rm -f "$compiled"

status=0
log=$("$compiler" --no-html-scan "$(basename "$project")" 2>&1) || status=$?
if [[ $status -ne 0 ]] || grep -q '^Error' <<<"$log" || [[ ! -s $compiled ]]; then
  printf '%s\n' "$log" >&2
  echo "error: compiling $1 failed (exit status $status)" >&2
  exit 1
fi

mkdir -p "$(dirname "$output")"
cp "$compiled" "$output.part"
mv -f "$output.part" "$output"
