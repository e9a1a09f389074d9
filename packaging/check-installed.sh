#!/usr/bin/env bash
# Checks an installed Zephra under PREFIX (a staging folder such as build/stage/usr, or /usr
# once the package is installed): each program runs through its link in bin and has its
# manual page, the program finds its language libraries beside it and draws its pages, and
# the desktop files, icons and AppStream description are in place and valid.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 PREFIX" >&2; exit 2; }
prefix=$1
scenarios=$(cd "$(dirname "$0")/../scenarios" && pwd)
fail() { echo "check-installed: $*" >&2; exit 1; }
unset LD_LIBRARY_PATH
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Per-user state and run-time files of its own, so no other copy of the program running for
# this user is found and nothing of the user's machines is touched.
export XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

for link in "$prefix"/bin/zephra*; do
  name=$(basename "$link")
  [ -L "$link" ] || fail "$link is not a link into the program folder"
  "$link" --help > "$work/help" || fail "$name --help failed"
  grep -q "^Usage: $name " "$work/help" || fail "$name --help does not begin with its usage"
  [ -s "$prefix/share/man/man1/$name.1.gz" ] || fail "no manual page $name(1)"
done

program=$(readlink -f "$prefix/bin/zephra")
for lang in EN JP FR DE KO ZH; do
  [ -s "$(dirname "$program")/Lang$lang.DLL" ] || fail "Lang$lang.DLL is not beside $program"
done
# The Japanese pages differ from the English ones only when the program found LangJP.DLL.
"$prefix/bin/zephra" --snapshot "$work/en" > /dev/null
"$prefix/bin/zephra" --scenario "$scenarios/japanese.json" --snapshot "$work/jp" > /dev/null
for page in tray-icon page-1-connection-status page-2-wireless-network page-3-advanced page-4-statistics page-5-version; do
  test -s "$work/en/$page.png" || fail "the installed program drew no $page.png"
done
# A page's file is named after its caption, so the Japanese one may have another name.
english=("$work"/en/page-1*.png) japanese=("$work"/jp/page-1*.png)
[ -s "${japanese[0]}" ] || fail "the installed program drew no Japanese first page"
! cmp -s "${english[0]}" "${japanese[0]}" || fail "the installed program did not find its Japanese language library"

# The device manager loads the installed page provider and draws its pages.
provider=$(readlink -f "$prefix/bin/zephra-devmgr")
[ -s "$(dirname "$provider")/libZephraProp.so" ] || fail "libZephraProp.so is not beside $provider"
"$prefix/bin/zephra-devmgr" --snapshot "$work/devmgr" > /dev/null || fail "the installed zephra-devmgr --snapshot failed"
for page in general version status-connection-status status-statistics; do
  test -s "$work/devmgr/$page.png" || fail "the installed zephra-devmgr drew no $page.png"
done

# The machine service is beside the programs that start it, and serves its control command.
[ -x "$(dirname "$program")/zephra-machine" ] || fail "zephra-machine is not beside $program"
"$prefix/bin/zephra-machine" --machine-dir "$work/machine" --idle-stop 30 &
service=$!
for _ in $(seq 200); do
  "$prefix/bin/zephra-machine" ctl --machine-dir "$work/machine" status > "$work/status" 2>/dev/null && break
  sleep 0.05
done
kill "$service"
wait "$service" || fail "the installed zephra-machine did not stop cleanly on SIGTERM"
grep -q "adapter: *present" "$work/status" || fail "the installed zephra-machine ctl status did not answer"

desktop-file-validate "$prefix/share/applications/zephra.desktop" "$prefix/share/zephra/autostart/zephra.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.zephra.Zephra.metainfo.xml"
for size in 16 32 48 64 128 256; do
  [ -s "$prefix/share/icons/hicolor/${size}x$size/apps/zephra.png" ] || fail "no ${size}x$size icon"
done
echo "check-installed: $prefix is complete and runs"
