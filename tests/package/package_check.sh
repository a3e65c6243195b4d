#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks it as a user's machine
# would meet it: its contents and dependencies, the programs run from the unpacked tree,
# the help file and the settings file of an installed copy, and the verdicts of lintian,
# appstreamcli, desktop-file-validate and man.
# Usage: package_check.sh BUILD_DIR PROBE   (PROBE: the program's entry built for tests)
set -euo pipefail
build=$1
probe=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"  # the unprivileged user below must reach the unpacked tree

fail() { echo "package check: $*" >&2; exit 1; }
step() { echo "== $*"; }

step cpack
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/vantorel_*_amd64.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "no single vantorel_<version>_amd64.deb"
deb=${debs[0]}
echo "$(basename "$deb")"

step "dpkg --contents"
contents=$(dpkg --contents "$deb" | awk '{print $6}')
for path in usr/bin/vantorel usr/bin/vantorel-eval usr/share/vantorel/VANTOREL.chm \
    usr/share/applications/vantorel.desktop \
    usr/share/icons/hicolor/scalable/apps/vantorel.svg \
    usr/share/icons/hicolor/48x48/apps/vantorel.png \
    usr/share/man/man1/vantorel.1.gz usr/share/man/man1/vantorel-eval.1.gz \
    usr/share/metainfo/org.example.vantorel.metainfo.xml \
    usr/share/doc/vantorel/copyright usr/share/doc/vantorel/changelog.gz; do
  grep -qx "\./$path" <<<"$contents" || fail "$path is not in the package"
done
outside=$(grep -v '^\./usr/' <<<"$contents" || true)
[[ -z $outside ]] || fail "files outside /usr: $outside"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libmspack0* ]] \
  || fail "Depends lacks the linked libraries: $depends"

step "dpkg -x"
root=$work/root
dpkg -x "$deb" "$root"
bin=$root/usr/bin
# The manual pages and the metainfo name the version by hand: they must follow the build's.
version=$(dpkg-deb -f "$deb" Version)
for page in "$root"/usr/share/man/man1/*.1.gz; do
  zgrep -q "^\.TH .*\"Vantorel $version\"" "$page" || fail "$(basename "$page") is not of $version"
done
grep -q "<release version=\"$version\"" "$root"/usr/share/metainfo/*.xml \
  || fail "the metainfo has no release $version"

step "vantorel-eval"
[[ $("$bin/vantorel-eval" --x 2 "power(x;10)") == 1024 ]] || fail "vantorel-eval computes wrongly"
"$bin/vantorel-eval" --help | grep -q '^usage: vantorel-eval' || fail "vantorel-eval --help"
status=0; "$bin/vantorel-eval" --mode turns 1 2>/dev/null || status=$?
[[ $status -eq 2 ]] || fail "vantorel-eval: wrong usage gave exit status $status, not 2"

# The probe starts exactly as the program does; under the program's name it uses the
# same settings file name and looks for the help file the same way. The packaged
# program is kept beside it, under another name.
mv "$bin/vantorel" "$bin/vantorel-packaged"
install -m 755 "$probe" "$bin/vantorel"

# The installed program runs as an ordinary user, who cannot write to usr/bin; root
# could, so root runs it as nobody, and later once as itself.
user=()
home=$work/home
runtime=$work/run
mkdir -p "$home" "$runtime"
chmod 700 "$runtime"
if [[ $(id -u) -eq 0 ]]; then
  user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chown nobody:nogroup "$home" "$runtime"
else
  chmod a-w "$bin"
fi
run() {
  env HOME="$home" XDG_CONFIG_HOME= XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen \
    "${user[@]}" "$@"
}

# Asks the installed copy for its help, then closes it, which stores the formula in the
# user's configuration folder and nowhere in usr/bin.
converse() {
  rm -f "$work/to-probe" "$work/from-probe"
  mkfifo "$work/to-probe" "$work/from-probe"
  run timeout 20 "$bin/vantorel" <"$work/to-probe" >"$work/from-probe" 2>/dev/null &
  local probe_pid=$! to_probe from_probe line said=()
  exec {to_probe}>"$work/to-probe" {from_probe}<"$work/from-probe"
  while IFS= read -r -t 20 line <&"$from_probe"; do
    said+=("$line")
    [[ $line == running ]] && printf 'exact 1E20+1-1E20\nhelp\n' >&"$to_probe"
    [[ $line == help-shown:* ]] && echo close >&"$to_probe"
  done
  exec {to_probe}>&- {from_probe}<&-
  wait "$probe_pid" || true
  printf '  %s\n' "${said[@]}"
  printf '%s\n' "${said[@]}" | grep -qx 'help-shown: yes' || fail "the help file was not found"
  printf '%s\n' "${said[@]}" | grep -qx 'exact-result: 1.0' ||
    fail "the exact arithmetic gave no result"
  printf '%s\n' "${said[@]}" | grep -qx "exact-module: $root/usr/lib/.*" ||
    fail "the installed exact arithmetic module was not used"
  local ini=$home/.config/vantorel/VANTOREL.INI
  grep -q '^StoredValue=' "$ini" 2>/dev/null || fail "no formula stored in $ini"
  [[ ! -e $bin/VANTOREL.INI ]] || fail "the settings file went to usr/bin"
}

step "vantorel starts"
status=0; run timeout 2 "$bin/vantorel-packaged" >"$work/start.log" 2>&1 || status=$?
[[ $status -eq 124 ]] || { cat "$work/start.log"; fail "vantorel ended at once (status $status)"; }

step "help file and settings file of the installed copy"
converse
if [[ $(id -u) -eq 0 ]]; then
  step "the same, run by root, who owns usr/bin"
  user=()
  home=$work/root-home
  runtime=$work/root-run
  mkdir -m 700 "$home" "$runtime"
  converse
fi

step lintian
# Warnings are shown; errors fail the check.
status=0
verdict=$(lintian --tag-display-limit 0 --fail-on error "$deb" 2>&1) || status=$?
grep -v -e 'running with root privileges' -e '^$' <<<"$verdict" || true
[[ $status -eq 0 ]] || fail "lintian reports errors"

step appstreamcli
appstreamcli validate --no-net "$root"/usr/share/metainfo/org.example.vantorel.metainfo.xml
appstreamcli validate-tree --no-net "$root"

step desktop-file-validate
desktop-file-validate "$root/usr/share/applications/vantorel.desktop"

step man
for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(MANWIDTH=80 man -l --warnings "$page" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "$(basename "$page"): $warnings"
  MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q '^EXIT STATUS' || fail "$page has no EXIT STATUS"
done
echo "package check: ok"
