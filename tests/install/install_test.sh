#!/bin/sh
# Installs the build through DESTDIR and uses the installed tree from
# elsewhere, with nothing pointing at its resources; then checks that the
# Debian package holds exactly that tree, owned by root, and what it needs.
#   install_test.sh BUILD_DIR SOURCE_DIR VERSION CMAKE CPACK
set -u
build=$1 source=$2 version=$3 cmake=$4 cpack=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# A step the rest needs: its log only when it fails.
step() {
    "$@" >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
}

step env DESTDIR="$work/root" "$cmake" --install "$build" --prefix /usr
prefix=$work/root/usr
flotilla=$prefix/bin/flotilla
# The other files are read by the checks below.
for file in README.md copyright; do
    [ -r "$prefix/share/doc/flotilla/$file" ] || fail "$file is not installed"
done

cd "$work" || exit 1
unset FLOTILLA_RESOURCES
out=$("$flotilla" --version)
[ "$out" = "flotilla $version" ] || fail "--version printed '$out'"
sh "$source/tests/app/run_golden.sh" "$flotilla" "$source/tests/app/golden/combat.in" \
    "$source/tests/app/golden/combat.out" || fail "installed program: combat transcript differs"
# The window needs every picture and the font: the installed program must find
# them beside itself and draw exactly what the build tree's program draws.
screenshot() {
    printf 'screenshot %s\nquit\n' "$2" |
        SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$1" >/dev/null || fail "$1: window run failed"
}
screenshot "$flotilla" "$work/installed.bmp"
screenshot "$build/flotilla" "$work/built.bmp"
cmp -s "$work/installed.bmp" "$work/built.bmp" ||
    fail "the installed program's window differs from the build's"

desktop-file-validate "$prefix/share/applications/flotilla.desktop" || fail "desktop entry"
warnings=$(groff -man -ww -z "$prefix/share/man/man6/flotilla.6" 2>&1)
[ -z "$warnings" ] || fail "manual page: $warnings"
file "$prefix/share/icons/hicolor/48x48/apps/flotilla.png" | grep -q 'PNG image data, 48 x 48' ||
    fail "icon: $(file "$prefix/share/icons/hicolor/48x48/apps/flotilla.png")"

step "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/package"
deb=$work/package/flotilla_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no package $deb: $(ls "$work/package")"
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|/$||' | grep -v '^\.$' | sort >"$work/packaged"
(cd "$work/root" && find . -mindepth 1 | sort) >"$work/installed"
diff -u "$work/installed" "$work/packaged" || fail "the package does not hold the installed tree"
dpkg-deb -c "$deb" | awk '$2 != "root/root"' | grep . && fail "files not owned by root"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section $(dpkg-deb -f "$deb" Section)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libsdl1.2debian libsdl-ttf2.0-0 libsdl-mixer1.2 fonts-liberation; do
    echo "$depends" | grep -q "$needed" || fail "Depends lacks $needed: $depends"
done
echo "$depends" | grep -q -- '-dev' && fail "Depends asks for build packages: $depends"

[ "$failures" -eq 0 ]
