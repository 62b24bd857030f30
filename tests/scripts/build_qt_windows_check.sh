#!/bin/sh
# What scripts/build-qt-windows.sh decides without building: the deb-src list it derives from
# apt's sources (both formats; only this release's Debian entries with main), and the cache
# folder, which counts only when complete and, once complete, is all a run does.
#   build_qt_windows_check.sh SCRIPT
set -eu
script=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
status=0
fail() { echo "$*"; status=1; }
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")

mkdir -p "$root/etc/sources.list.d" "$root/etc/apt.conf.d"
echo "Dir::Etc \"$root/etc\";" >"$root/apt.conf"
cat >"$root/etc/sources.list" <<LIST
# deb http://commented.example/debian $codename main
deb [ arch=amd64 signed-by=/keys/debian.gpg ] http://mirror.example/debian $codename main contrib
deb-src http://mirror.example/debian $codename main
deb http://vendor.example/apt stable main
deb http://mirror.example/debian $codename-backports contrib non-free
deb http://mirror.example/debian $codename-backports main # backports
LIST
cat >"$root/etc/sources.list.d/debian.sources" <<SOURCES
# The archive, with its key inline
Types: deb deb-src
URIs: http://deb.example/debian
Suites: $codename $codename-updates cloud-sdk-$codename
Components: main non-free-firmware
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL0BUBEADmW5NdOOHwPIJlgPu6JDcKw/NZJPR8lsD3K87ZM18gzyQZJD+w
 -----END PGP PUBLIC KEY BLOCK-----

types: deb
uris: http://disabled.example/debian
suites: $codename
components: main
enabled: No
SOURCES
cat >"$root/etc/sources.list.d/security.sources" <<SOURCES
Types: deb
URIs: http://security.example/debian-security
Suites: $codename-security
Components: main
SOURCES
printf 'deb http://old.example/debian %s main\n' "$codename" \
    >"$root/etc/sources.list.d/old.list.disabled-by-admin"
cat >"$root/expected" <<EXPECTED
Types: deb-src
URIs: http://mirror.example/debian
Suites: $codename
Components: main
Signed-By: /keys/debian.gpg

Types: deb-src
URIs: http://mirror.example/debian
Suites: $codename-backports
Components: main

Types: deb-src
URIs: http://deb.example/debian
Suites: $codename $codename-updates
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL0BUBEADmW5NdOOHwPIJlgPu6JDcKw/NZJPR8lsD3K87ZM18gzyQZJD+w
 -----END PGP PUBLIC KEY BLOCK-----

Types: deb-src
URIs: http://security.example/debian-security
Suites: $codename-security
Components: main

EXPECTED
APT_CONFIG=$root/apt.conf "$script" --print-sources >"$root/got" || fail "--print-sources failed"
diff -u "$root/expected" "$root/got" || fail "the deb-src list differs"

# Nothing of the folder yet, then the folder without its mark: neither is a prefix.
export XDG_CACHE_HOME="$root/cache"
"$script" --prefix-only >"$root/out" 2>"$root/err" && fail "--prefix-only accepts a missing folder"
[ -s "$root/out" ] && fail "--prefix-only printed a missing folder"
prefix=$(sed -n 's/.* not built yet in \(.*\) (make qt-windows)$/\1/p' "$root/err")
case $prefix in
"$root/cache/numora/qt-"*-mingw-w64-??????????) ;;
*) fail "the folder is not in the cache, keyed by version and hash: $prefix" ;;
esac
name=$(basename "$prefix")

# A cached archive is used only under this recipe's name and with its checksum right.
export NUMORA_QT_SEED_DIR="$root/seeds"
plan() { "$script" --seed-plan; }
case $(plan) in "build: no $name.tar.xz in "*) ;; *) fail "no archive, yet: $(plan)" ;; esac
mkdir -p "$root/seeds"
echo archive >"$root/seeds/$name.tar.xz"
case $(plan) in "build: "*"no checksum"*) ;; *) fail "an archive without a checksum: $(plan)" ;; esac
echo "0000000000000000000000000000000000000000000000000000000000000000  $name.tar.xz" \
    >"$root/seeds/$name.tar.xz.sha256"
case $(plan) in "build: the checksum"*) ;; *) fail "a wrong checksum: $(plan)" ;; esac
(cd "$root/seeds" && sha256sum "$name.tar.xz" >"$name.tar.xz.sha256")
[ "$(plan)" = "seed $root/seeds/$name.tar.xz" ] || fail "the right archive is not used: $(plan)"
other=$(echo "$name" | sed 's/-[0-9a-f]*$/-0123456789/')
mv "$root/seeds/$name.tar.xz" "$root/seeds/$other.tar.xz"
case $(plan) in "build: no"*) ;; *) fail "another recipe's archive: $(plan)" ;; esac
mv "$root/seeds/$other.tar.xz" "$root/seeds/$name.tar.xz"

mkdir -p "$prefix/bin"
"$script" --prefix-only >"$root/out" 2>/dev/null && fail "--prefix-only accepts an unfinished folder"
[ -s "$root/out" ] && fail "--prefix-only printed an unfinished folder"

# Complete: printed, and a build run does nothing else (no work folder, no download).
touch "$prefix/.complete"
[ "$("$script" --prefix-only)" = "$prefix" ] || fail "--prefix-only does not print the folder"
[ "$("$script" 2>&1)" = "$prefix" ] || fail "a run over a complete folder does more than print it"
[ "$(ls "$root/cache/numora")" = "$(basename "$prefix")" ] || fail "a complete run left: $(ls "$root/cache/numora")"
"$script" --no-such-option 2>/dev/null && fail "an unknown option is accepted"
exit $status
