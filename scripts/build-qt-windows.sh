#!/bin/sh
# Builds Qt for 64-bit Windows once per machine, from Debian's own qt6-base source at the host
# Qt's version, with the mingw-w64 toolchain, into a cache folder, and prints that folder.
#   build-qt-windows.sh                 builds what is missing (a finished folder is left alone)
#   build-qt-windows.sh --prefix-only   prints the folder if it is complete; fails otherwise
#   build-qt-windows.sh --check         builds a small Qt program with the folder, runs it in Wine
#   build-qt-windows.sh --print-sources prints the deb-src list the source is fetched through
#   build-qt-windows.sh --seed-plan     says whether a run would unpack a cached archive or build
# A finished folder packed as NAME.tar.xz, with NAME.tar.xz.sha256 beside it, in the seed folder
# (NUMORA_QT_SEED_DIR, default ../shared/cache beside the repository) is unpacked instead of
# built when NAME is this recipe's and the checksum holds; it then passes the same Wine check.
# The folder's name holds a hash of everything that shapes the build, so a change to any of it
# builds a new folder beside the old one. An interrupted run resumes in the work folder beside it.
# JOBS sets the build's parallelism (default: all cores).
set -eu

# Raise it when a change to this script changes what is built.
RECIPE=1
# What the window needs: Core, Gui, Widgets, PrintSupport and Test (its tests run on Windows
# too); the windows, offscreen and minimal platforms and the windowsvista style come with them.
# Debian's tarball lacks wintab, hence no tablet events; direct2d stays, PrintSupport needs it.
QT_OPTIONS="-release -shared -nomake examples -nomake tests -no-opengl -no-dbus -no-icu \
-qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion -no-zstd \
-no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml -no-feature-tabletevent"
PACKAGES="g++-mingw-w64-x86-64-posix wine64 dpkg-dev"

here=$(cd "$(dirname "$0")" && pwd)
toolchain=$(cd "$here/../cmake" && pwd)/mingw-w64-x86_64-shared.cmake
mode=${1:-build}

say() { echo "build-qt-windows: $*" >&2; }
die() { say "$*"; exit 1; }

# The host's Debian release and the deb lines naming it with the main component, as deb-src
# entries. Other archives (a vendor's, nodesource's) serve no qt6-base and would only fail.
print_sources() {
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$codename" ] || die "/etc/os-release names no release"
    list='' parts=''
    eval "$(apt-config shell list Dir::Etc::sourcelist/f parts Dir::Etc::sourceparts/d)"
    {
        [ -f "$list" ] && sed 's/^/L /' "$list"
        for f in "$parts"*.list; do [ -f "$f" ] && sed 's/^/L /' "$f"; done
        for f in "$parts"*.sources; do [ -f "$f" ] && { sed 's/^/S /' "$f"; echo "S "; }; done
    } | awk -v codename="$codename" '
        function wanted(suite) { return suite == codename || index(suite, codename "-") == 1 }
        function emit(types, uris, suites, comps, signed, enabled,   n, s, i, out, has) {
            if (enabled == "no" || (" " types " ") !~ / deb / || (" " comps " ") !~ / main /) return
            n = split(suites, s, " ")
            for (i = 1; i <= n; i++) if (wanted(s[i])) out = out " " s[i]
            if (out == "") return
            printf "Types: deb-src\nURIs: %s\nSuites:%s\nComponents: main\n", uris, out
            if (signed != "") printf "Signed-By:%s%s\n", (signed ~ /^\n/ ? "" : " "), signed
            print ""
        }
        function flush() {
            if (st) emit(f["types"], f["uris"], f["suites"], f["components"], f["signed-by"], f["enabled"])
            split("", f); st = 0; key = ""
        }
        /^L/ {
            line = substr($0, 3); sub(/#.*/, "", line)
            if (split(line, w, " ") < 3) next
            opts = ""
            if (w[2] ~ /^\[/) {
                match(line, /\[[^]]*\]/); opts = substr(line, RSTART + 1, RLENGTH - 2)
                line = substr(line, 1, RSTART - 1) substr(line, RSTART + RLENGTH)
                split(line, w, " ")
            }
            signed = ""
            if (match(opts, /signed-by=[^ ]+/)) signed = substr(opts, RSTART + 10, RLENGTH - 10)
            comps = ""
            for (i = 4; i in w; i++) comps = comps " " w[i]
            emit(w[1], w[2], w[3], comps, signed, "yes")
            split("", w)
            next
        }
        {
            line = substr($0, 3)
            if (line ~ /^#/) next
            if (line ~ /^[ \t]*$/) { flush(); next }
            # A continued field (an inline key) keeps its lines as they are.
            if (line ~ /^[ \t]/) { if (key != "") f[key] = f[key] "\n" line; next }
            key = tolower(substr(line, 1, index(line, ":") - 1))
            value = substr(line, index(line, ":") + 1); sub(/^[ \t]+/, "", value); sub(/[ \t]+$/, "", value)
            f[key] = (key == "enabled") ? tolower(value) : value
            st = 1
        }
        END { flush() }'
}

version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) ||
    die "qt6-base-dev is not installed (make deps installs it)"
upstream=$(echo "$version" | sed 's/^[0-9]*://; s/[+~-].*//')
hash=$({
    echo "$RECIPE $version $QT_OPTIONS"
    cat "$toolchain"
} | sha256sum | cut -c1-10)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/numora
name=qt-$upstream-mingw-w64-$hash
seeds=${NUMORA_QT_SEED_DIR:-$(cd "$here/../.." && pwd)/shared/cache}
archive=$seeds/$name.tar.xz

# Prints "seed ARCHIVE" when the archive may be used, or "build: WHY" when not.
seed_plan() {
    if [ ! -f "$archive" ]; then
        echo "build: no $name.tar.xz in $seeds"
    elif [ ! -f "$archive.sha256" ]; then
        echo "build: $archive has no checksum beside it"
    else
        want=$(cut -d' ' -f1 <"$archive.sha256")
        got=$(sha256sum "$archive" | cut -d' ' -f1)
        if [ "$want" = "$got" ] && [ ${#want} -eq 64 ]; then
            echo "seed $archive"
        else
            echo "build: the checksum of $archive is not the one beside it"
        fi
    fi
}

# The Wine run of a small program that links every module the window uses: it types into a line
# edit through QtTest and prints a page to PDF.
check() {
    prefix=$1
    dir=$(mktemp -d)
    trap 'rm -rf "$dir"' EXIT
    cat >"$dir/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.25)
project(qtcheck CXX)
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport Test)
add_executable(qtcheck main.cpp)
target_link_libraries(qtcheck PRIVATE Qt6::Widgets Qt6::PrintSupport Qt6::Test)
EOF
    cat >"$dir/main.cpp" <<'EOF'
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QStyle>
#include <QTest>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setStyle("windowsvista");
    QLineEdit edit;
    edit.show();
    QTest::keyClicks(&edit, "1+2");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("check.pdf");
    QPainter painter(&printer);
    painter.drawText(100, 100, edit.text());
    painter.end();
    std::printf("platform=%s style=%s text=%s pdf=%d\n", qPrintable(app.platformName()),
                qPrintable(app.style()->name()), qPrintable(edit.text()),
                QFileInfo("check.pdf").size() > 0);
    return 0;
}
EOF
    if ! cmake -S "$dir" -B "$dir/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$prefix" -DQT_HOST_PATH=/usr \
        >"$dir/log" 2>&1 || ! cmake --build "$dir/build" >>"$dir/log" 2>&1; then
        cat "$dir/log" >&2
        die "the small Qt program does not build with $prefix"
    fi
    run=$dir/run
    mkdir -p "$run/platforms" "$run/styles"
    cp "$dir/build/qtcheck.exe" "$prefix"/bin/Qt6Core.dll "$prefix"/bin/Qt6Gui.dll \
        "$prefix"/bin/Qt6Widgets.dll "$prefix"/bin/Qt6PrintSupport.dll "$prefix"/bin/Qt6Test.dll "$run"
    cp "$prefix"/plugins/platforms/qoffscreen.dll "$run/platforms"
    cp "$prefix"/plugins/styles/qwindowsvistastyle.dll "$run/styles"
    for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
        cp "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)" "$run"
    done
    # Wine hides the host's QT_ variables from Windows programs and passes WINEQT_ ones on
    # without the WINE; without a display only the offscreen platform can start.
    got=$(cd "$run" && WINEQT_QPA_PLATFORM=offscreen "$here/wine-run.sh" "$dir/wine" qtcheck.exe \
        2>"$dir/wine.log" | tr -d '\r') || true
    # The prefix's server outlives the program; it must not outlive the prefix.
    WINEPREFIX=$dir/wine "$(command -v wineserver || echo /usr/lib/wine/wineserver)" -k 2>/dev/null || true
    say "$got"
    case $got in
    "platform=offscreen style=windowsvista text=1+2 pdf=1") ;;
    *)
        cat "$dir/wine.log" >&2
        die "the small Qt program does not run as it should under Wine"
        ;;
    esac
}

case $mode in
--print-sources)
    print_sources
    exit 0
    ;;
--seed-plan)
    seed_plan
    exit 0
    ;;
--prefix-only)
    [ -f "$cache/$name/.complete" ] || die "Qt for Windows is not built yet in $cache/$name (make qt-windows)"
    echo "$cache/$name"
    exit 0
    ;;
--check)
    [ -f "$cache/$name/.complete" ] || die "Qt for Windows is not built yet in $cache/$name (make qt-windows)"
    check "$cache/$name"
    exit 0
    ;;
build) ;;
*) die "unknown option $mode" ;;
esac

if [ -f "$cache/$name/.complete" ]; then
    echo "$cache/$name"
    exit 0
fi

# shellcheck disable=SC2086
"$here/install-deps.sh" $PACKAGES >&2
mkdir -p "$cache"
# Qt refuses a build folder reached through a symbolic link.
cache=$(cd -P "$cache" && pwd)
prefix=$cache/$name
work=$cache/$name.work
mkdir -p "$work"
# One build at a time for each folder; a second run waits and then finds it complete.
exec 9>"$work.lock"
flock 9
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
started=$(date +%s)

# A cached build of this very recipe saves the twenty minutes; it counts only once it has passed
# the check that a build passes, at the place it will be used from.
plan=$(seed_plan)
case $plan in
seed\ *)
    say "unpacking $archive instead of building"
    rm -rf "$prefix"
    if tar -xJf "$archive" -C "$cache" --exclude="$name/.complete" "$name" && [ -d "$prefix/bin" ] &&
        (check "$prefix"); then
        printf 'Debian qt6-base %s for Windows (mingw-w64), unpacked from %s %s\nconfigure %s\n' \
            "$version" "$(basename "$archive")" "$(date -u '+%Y-%m-%d %H:%M UTC')" "$QT_OPTIONS" \
            >"$prefix/.complete"
        rm -rf "$work" "$work.lock"
        say "unpacked in $(($(date +%s) - started)) s"
        echo "$prefix"
        exit 0
    fi
    rm -rf "$prefix"
    say "the unpacked archive failed its check; building from source"
    ;;
*) say "${plan#build: }; building from source" ;;
esac

# Each step leaves a mark when done; a step without its mark starts over from a clean slate.
if [ ! -f "$work/.fetched" ]; then
    say "fetching Debian's qt6-base $version"
    rm -rf "$work/apt" "$work/download"
    mkdir -p "$work/apt/lists/partial" "$work/download"
    print_sources >"$work/apt/debian-src.sources"
    [ -s "$work/apt/debian-src.sources" ] || die "no Debian archive of this release in apt's sources"
    # A private list and state: the machine's apt configuration and caches stay untouched.
    set -- -o Dir::Etc::sourcelist="$work/apt/debian-src.sources" -o Dir::Etc::sourceparts=- \
        -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= \
        -o APT::Sandbox::User="$(id -un)"
    apt-get "$@" -q update >&2 || say "some sources failed to update; trying those that did"
    (cd "$work/download" && apt-get "$@" -q source --download-only "qt6-base=$version") >&2
    touch "$work/.fetched"
fi

if [ ! -f "$work/.unpacked" ]; then
    say "unpacking and patching"
    rm -rf "$work/src"
    # dpkg-source checks the files against the .dsc, whose hashes apt checked against the
    # signed release (so the maintainer's own signature, which it cannot check without
    # debian-keyring, adds nothing), and applies Debian's patches (debian/patches/series).
    dpkg-source -x "$work/download/qt6-base_$(echo "$version" | sed 's/^[0-9]*://').dsc" "$work/src" \
        >"$work/unpack.log" 2>&1 || { cat "$work/unpack.log" >&2; die "unpacking failed"; }
    [ -f "$work/src/.pc/applied-patches" ] || die "Debian's patches were not applied"
    touch "$work/.unpacked"
fi

if [ ! -f "$work/.configured" ]; then
    say "configuring"
    rm -rf "$work/build"
    mkdir -p "$work/build"
    # The toolchain the name was hashed from, kept as it was for a resumed build.
    cp "$toolchain" "$work/toolchain.cmake"
    # shellcheck disable=SC2086
    (cd "$work/build" && "$work/src/configure" -prefix "$prefix" -xplatform win32-g++ \
        -device-option CROSS_COMPILE=x86_64-w64-mingw32- -qt-host-path /usr $QT_OPTIONS -- \
        -G Ninja -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake) >"$work/configure.log" 2>&1 ||
        { tail -40 "$work/configure.log" >&2; die "configure failed: $work/configure.log"; }
    touch "$work/.configured"
fi

say "building (about 20 minutes on 2 cores; the log is $work/build.log)"
cmake --build "$work/build" --parallel "${JOBS:-$(nproc)}" >"$work/build.log" 2>&1 ||
    { tail -40 "$work/build.log" >&2; die "the build failed: $work/build.log"; }

say "installing"
rm -rf "$work/stage" "$prefix"
DESTDIR=$work/stage cmake --install "$work/build" >"$work/install.log" 2>&1 ||
    { tail -40 "$work/install.log" >&2; die "the install failed: $work/install.log"; }
# Qt's own toolchain file (behind bin/qt-cmake) loads the one Qt was built with: a copy kept
# beside it, so that it outlives the work folder.
qtcmake=$work/stage$prefix/lib/cmake/Qt6
cp "$work/toolchain.cmake" "$qtcmake/mingw-w64-x86_64.cmake"
sed -i "s|\"$work/toolchain.cmake\"|\"\${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake\"|" "$qtcmake/qt.toolchain.cmake"
grep -q 'CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake' "$qtcmake/qt.toolchain.cmake" ||
    die "Qt's toolchain file does not name the one it was built with"
mv "$work/stage$prefix" "$prefix"
check "$prefix"
say "done in $(($(date +%s) - started)) s"
# Written last: the folder counts only when all of it is there.
printf 'Debian qt6-base %s for Windows (mingw-w64), finished %s\nconfigure %s\n' \
    "$version" "$(date -u '+%Y-%m-%d %H:%M UTC')" "$QT_OPTIONS" >"$prefix/.complete"
rm -rf "$work" "$work.lock"
echo "$prefix"
