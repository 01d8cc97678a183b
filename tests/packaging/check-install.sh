#!/bin/sh
# An install into a temporary DESTDIR holds every file of a desktop application; its desktop
# entry, AppStream metainfo and manual pages are valid, and the manual pages document every
# command and option pennywell-calc has.
set -eu
build=$1
id=org.pennywell.Pennywell
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

for file in bin/pennywell bin/pennywell-calc \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/pennywell/Sample.bgt \
    share/man/man1/pennywell.1.gz share/man/man1/pennywell-calc.1.gz \
    share/doc/pennywell/copyright share/doc/pennywell/changelog.gz \
    share/mime/packages/$id.xml; do
    [ -s "$root/usr/$file" ] || fail "not installed: /usr/$file"
done
for size in 16 22 24 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    [ "$(od -An -tu1 -j18 -N2 "$icon" 2>/dev/null | tr -s ' ')" = " $((size / 256)) $((size % 256))" ] ||
        fail "icon missing or not ${size} px wide: $icon"
done
[ -z "$(find "$root/usr/bin" -name '*.bgt')" ] || fail "data installed among the programs"

desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "AppStream metainfo"

# The budget file type is valid, and a file manager reading the installed tree knows a budget
# file by its name and opens it with the program.
XDG_DATA_DIRS=$root/usr/share update-mime-database "$root/usr/share/mime" 2>"$root/mime.log" &&
    [ ! -s "$root/mime.log" ] || fail "budget file type: $(cat "$root/mime.log")"
type=$(XDG_DATA_DIRS=$root/usr/share:/usr/share XDG_DATA_HOME=$root/none \
    gio info -a standard::content-type "$root/usr/share/pennywell/Sample.bgt" |
    sed -n 's/.*content-type: //p')
[ "$type" = application/x-pennywell-budget ] || fail "a .bgt file is taken for '$type'"
grep -q "^MimeType=$type;\$" "$root/usr/share/applications/$id.desktop" ||
    fail "the desktop entry does not open '$type'"
grep -q '^Exec=pennywell %f$' "$root/usr/share/applications/$id.desktop" ||
    fail "the desktop entry does not pass the file"

for page in pennywell pennywell-calc; do
    source=$root/usr/share/man/man1/$page.1.gz
    warnings=$(man --warnings -E ascii -l "$source" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $page: $warnings"
    for section in NAME SYNOPSIS DESCRIPTION "EXIT STATUS"; do
        man -E ascii -l "$source" 2>/dev/null | grep -q "^$section" || fail "man $page lacks $section"
    done
done

calc=$root/usr/bin/pennywell-calc
manual=$(man -E ascii -l "$root/usr/share/man/man1/pennywell-calc.1.gz" 2>/dev/null)
echo "$manual" | grep -q '^EXAMPLES' || fail "man pennywell-calc lacks EXAMPLES"
commands=$("$calc" --help | sed -n 's/^  \([a-z][a-z]*\)  .*/\1/p')
[ -n "$commands" ] || fail "pennywell-calc --help lists no commands"
for command in $commands; do
    echo "$manual" | grep -q "^   $command" || fail "man pennywell-calc: no section for $command"
    for option in $("$calc" "$command" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
        [ "$option" = --help-all ] && continue
        echo "$manual" | grep -q -e "$option" || fail "man pennywell-calc: $command $option undocumented"
    done
done
for value in text csv json; do
    echo "$manual" | grep -q "^       $value" || fail "man pennywell-calc: format $value undocumented"
done

exit $failed
