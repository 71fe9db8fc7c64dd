#!/usr/bin/env bash
# Installs the program into a temporary prefix and runs it as a user would: offscreen, as an
# unprivileged user (root, as in CI, could write anywhere) with its home in a temporary folder.
# Checks that the program finds its module "vorlant_late" (the chart, progress and sound
# code) where it was installed, and where the settings, the results folder and the pictures
# land for an installed copy
# started from the home folder or from /, for two copies at once, for a second start, for a
# portable copy in a folder it can write and for one in a folder it cannot.
#   installed_program_test.sh <build folder>
set -euo pipefail

build=$1
work=$(mktemp -d)
chmod 755 "$work"
started=()
cleanup() {
    for pid in "${started[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/*.log; do [[ -s $log ]] && { echo "== $log"; cat "$log"; } >&2; done
    exit 1
}

if [[ $(id -u) -eq 0 ]]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    owner=nobody:nogroup
else
    as_user=()
    owner=$(id -u):$(id -g)
fi

# A fresh home folder owned by the user; the XDG variables are left unset, so the defaults
# ~/.config and ~/.local/share apply.
new_home() {
    mkdir -p "$work/$1"
    chown "$owner" "$work/$1"
    echo "$work/$1"
}

# What the program sees besides its home: no XDG variables, so their defaults apply. The
# sanitizers' options pass through for a sanitizer build.
environment=(PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen)
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [[ -n ${!name:-} ]] && environment+=("$name=${!name}")
done

# start <log name> <current folder> <home> <executable>: sets $pid.
start() {
    (cd "$2" && exec env -i HOME="$3" "${environment[@]}" "${as_user[@]}" "$4") \
        >"$work/$1.log" 2>&1 &
    pid=$!
    started+=("$pid")
}

wait_until() {
    local what=$1
    shift
    for _ in $(seq 600); do
        "$@" && return 0
        kill -0 "$pid" 2>/dev/null || fail "the program ended while waiting until $what"
        sleep 0.1
    done
    fail "timed out waiting until $what"
}

picture_count() { find "$1" -maxdepth 1 -name 'DATA_*.jpg' -type f 2>/dev/null | wc -l; }
# The copy has unpacked (or found) its pictures and holds the picture folder for its run.
holds_pictures() {
    [[ $(picture_count "$2") -eq 42 ]] && [[ $(readlink /proc/"$1"/fd/* 2>/dev/null) == *"$2"* ]]
}
# The copy has loaded its module, which it does before it unpacks the pictures.
uses_module() { grep -q '/libvorlant_late\.so$' /proc/"$1"/maps; }
# Ends a copy as a session does, with SIGTERM; it must close as from its window.
stop() {
    kill -TERM "$1"
    local status=0
    wait "$1" || status=$?
    [[ $status -eq 0 ]] || fail "the program ended with status $status after SIGTERM"
}
# The only names in a folder, sorted, on one line.
names_in() { (cd "$1" && find . -mindepth 1 -maxdepth "${2:-1}" -printf '%P\n' | sort | xargs); }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
installed=(bin/vorlant share/applications/vorlant.desktop share/metainfo/vorlant.metainfo.xml
    share/man/man1/vorlant.1.gz share/icons/hicolor/scalable/apps/vorlant.svg
    share/doc/vorlant/copyright share/doc/vorlant/changelog.gz)
for size in 16 32 48 64 128 256; do
    installed+=("share/icons/hicolor/${size}x${size}/apps/vorlant.png")
done
for file in "${installed[@]}"; do
    [[ -f $work/prefix/$file ]] || fail "not installed: $file"
done
program=$work/prefix/bin/vorlant
# The module lies in the program's own folder below the library folder, not beside it.
modules=$(cd "$work/prefix" && find . -name 'libvorlant_late.so*' -printf '%P\n')
[[ $modules == lib*/vorlant/libvorlant_late.so ]] || fail "the module is installed as: $modules"
module=$work/prefix/$modules
[[ ! -e $work/prefix/bin/libvorlant_late.so ]] || fail "the module is installed beside the program"
touch "$work/installed"

# An installed copy started from the home folder by a launcher, and a second one from /.
home=$(new_home home)
config=$home/.config/vorlant
data=$home/.local/share/vorlant
start first "$home" "$home" "$program"
first=$pid
wait_until "the first copy holds its pictures" holds_pictures "$first" "$data/obr_deti"
uses_module "$first" || fail "the installed copy did not load $module"
wait_until "the results folder is made" test -d "$data/data"
start second / "$home" "$program"
second=$pid
wait_until "the second copy holds its pictures" holds_pictures "$second" "$data/obr_deti"
stop "$first"
[[ $(picture_count "$data/obr_deti") -eq 42 ]] ||
    fail "the first copy to end took the pictures from the one still running"
stop "$second"
[[ ! -e $data/obr_deti ]] || fail "the last copy left $(names_in "$data/obr_deti")"
grep -qx "DE=$data/data" "$config/Vorlant.ini" || fail "settings: $(cat "$config/Vorlant.ini")"
[[ $(names_in "$home" | tr ' ' '\n' | grep -v '^\.' | xargs) == "" ]] ||
    fail "written into the home folder itself: $(names_in "$home")"
[[ $(names_in "$data") == "data" ]] || fail "in $data: $(names_in "$data")"
[[ -z $(find "$work/prefix" -newer "$work/installed" -print -quit) ]] ||
    fail "written into the installed tree: $(find "$work/prefix" -newer "$work/installed")"

# A second start reads the settings the first wrote.
printf '[Form5]\nDE=%s\n' "$home/elsewhere" >"$config/Vorlant.ini"
start again "$home" "$home" "$program"
wait_until "the folder named by the settings is made" test -d "$home/elsewhere"
stop "$pid"
grep -qx "DE=$home/elsewhere" "$config/Vorlant.ini" || fail "settings: $(cat "$config/Vorlant.ini")"

# A portable copy in a folder it can write keeps everything beside itself and its pictures
# below the current folder, as before. Its module lies beside it, as in the build folder.
portable=$work/portable
mkdir -p "$portable/run"
cp "$program" "$portable/vorlant"
cp "$module" "$portable/"
chown -R "$owner" "$portable"
home=$(new_home portable-home)
start portable "$portable/run" "$home" "$portable/vorlant"
wait_until "the portable copy holds its pictures" holds_pictures "$pid" "$portable/run/obr_deti"
uses_module "$pid" || fail "the portable copy did not load the module beside it"
wait_until "the portable results folder is made" test -d "$portable/data"
stop "$pid"
grep -qx "DE=$portable/data" "$portable/Vorlant.ini" || fail "portable settings missing"
[[ $(names_in "$portable") == "Vorlant.ini data libvorlant_late.so run vorlant" ]] || fail "in $portable: $(names_in "$portable")"
[[ $(names_in "$portable/run") == "" ]] || fail "left in the current folder: $(names_in "$portable/run")"
[[ ! -e $home/.config/vorlant && ! -e $home/.local/share/vorlant ]] ||
    fail "the portable copy wrote into the user's folders"

# A portable copy in a folder it cannot write falls back to the user's folders. Only an
# unprivileged user meets such a folder.
if [[ ${#as_user[@]} -gt 0 ]]; then
    locked=$work/locked
    mkdir -p "$locked"
    cp "$program" "$module" "$locked/"
    home=$(new_home locked-home)
    start locked / "$home" "$locked/vorlant"
    wait_until "the copy in a locked folder holds its pictures" \
        holds_pictures "$pid" "$home/.local/share/vorlant/obr_deti"
    stop "$pid"
    [[ -f $home/.config/vorlant/Vorlant.ini ]] || fail "no settings in the user's folder"
    [[ $(names_in "$locked") == "libvorlant_late.so vorlant" ]] || fail "in $locked: $(names_in "$locked")"
fi
echo "installed and portable copies keep their files where they belong"
