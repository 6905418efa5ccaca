#!/usr/bin/env bash
# Builds the Debian package from a build folder's CPack settings into a temporary
# folder (the build folder stays as it is) and checks its files and metadata.
# Usage: deb.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack="$1" build="$2" version="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  exit 1
fi
debs=("$work"/nx2400p_*.deb)
deb="${debs[0]}"
[ -f "$deb" ] || { echo "no nx2400p_*.deb in:"; ls "$work"; exit 1; }

status=0
fail() { echo "FAIL: $*"; status=1; }

# The programs and the catalogues, and nothing else in the programs' folder.
expected="nx2400p nx2400p-cli nx2400p-dialog nx2400p-sim errmsg/ errmsg/common.err errmsg/qxsnmp.err"
expected+=" errmsg/snmp.err errmsg/snmp.msg errmsg/snmpclass.err errmsg/snmpusm.err errmsg/snmpv3.err"
contents="$(dpkg-deb -c "$deb")"
listed="$(awk '{print $NF}' <<<"$contents" | sed -n 's|^\./usr/bin/||p' | grep -v '^$' | sort | tr '\n' ' ')"
want="$(tr ' ' '\n' <<<"$expected" | sort | tr '\n' ' ')"
[ "$listed" == "$want" ] || fail "usr/bin holds '$listed', expected '$want'"
for program in nx2400p nx2400p-cli nx2400p-dialog nx2400p-sim; do
  grep -qE "^-rwxr-xr-x .* \./usr/bin/$program\$" <<<"$contents" || fail "$program is not an executable file"
done

info="$(dpkg-deb -I "$deb")"
field() { sed -n "s/^ $1: //p" <<<"$info"; }
[ "$(field Package)" == "nx2400p" ] || fail "Package is '$(field Package)'"
[ "$(field Version)" == "$version" ] || fail "Version is '$(field Version)', expected '$version'"
depends="$(field Depends)"
for lib in libqt6core6 libqt6widgets6 libsnmp libc6; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: '$depends'"
done
[ -n "$(field Maintainer)" ] || fail "no Maintainer"

if ((status)); then
  echo "$info"
  echo "$contents"
fi
exit $status
