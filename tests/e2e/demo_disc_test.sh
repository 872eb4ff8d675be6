#!/usr/bin/env bash
# The real program on a copy of the demo disc, under Xvfb with a PulseAudio null sink of its own:
# it starts and plays the first song, key B moves to the next song, key V stops it (all read from
# the state file), SIGTERM closes it and the settings file then holds the list and the song.
#
# Usage: demo_disc_test.sh PROGRAM DEMO_FOLDER WORK_FOLDER
# Everything (settings, sound server socket, state file, screenshot) stays in WORK_FOLDER.
set -euo pipefail

program=$1
demo=$2
work=$3

for tool in Xvfb xdotool pulseaudio import iconv; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/deps.sh)"; exit 1; }
done

rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
mkdir -p "$work/runtime" "$work/home" "$work/config/quillmarsh"
chmod 700 "$work/runtime"
cp -r "$demo" "$work/disc"

export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home XDG_CONFIG_HOME=$work/config
export SDL_AUDIODRIVER=pulseaudio
unset PULSE_SERVER
state=$work/state.txt
settings=$work/config/quillmarsh/lorvanta.reg

pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [ -f "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log" | tail -20
    exit 1
}

# Polls (up to $2 seconds) until the state file, read as CP866, matches the pattern $1.
wait_for_state() {
    local pattern=$1 limit=$2 text=""
    for _ in $(seq $((limit * 10))); do
        text=$( [ -f "$state" ] && iconv -f CP866 -t UTF-8 "$state" 2>/dev/null || true)
        [[ $text =~ $pattern ]] && { echo "state: $text"; return 0; }
        sleep 0.1
    done
    fail "state file shows \"$text\", expected /$pattern/"
}

# A complete settings block (a missing value would make every setting fall back to defaults):
# remember the list, keep a state file in CP866 with an easily read caption.
cat >"$settings" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Quillmarsh\\Lorvanta\\2.0]
"PlayOnRun"=dword:00000001
"CaptionFormat"="%n|%M|%S"
"ArtistFormat"="%I"
"AlbumFormat"="%A"
"SongFormat"="%S"
"SaveListFileNameOnExit"=dword:00000001
"HasLogFile"=dword:00000001
"LogFileName"="${state//\\/\\\\}"
"Priority"=dword:00000003
"PlaylistType"=dword:00000000
"SongNumber"=dword:00000000
"OEMLogFile"=dword:00000001
"PlayingStr"="воспроизведение"
"PausedStr"="пауза"
"StoppedStr"="остановлен"
"OpenedStr"="открыт"
"ReadyStr"="готов"
"Shuffle"=dword:00000000
"Repeat"=dword:00000000
"Songs list width"=dword:000000d9
"Slideshow interval"=dword:00000bb8
"Import artist folder template"="%I"
"Import album folder template"="%Y - %A"
"Save M3U pack artist template"="%I"
"Save M3U pack album template"="%Y - %A"

EOF

pulseaudio --daemonize=no --exit-idle-time=-1 -n --load=module-null-sink \
    --load=module-native-protocol-unix >"$work/pulseaudio.log" 2>&1 &
pids+=($!)

# Xvfb picks a free display itself and reports its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")
for _ in $(seq 50); do
    [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/pulse/native" ] || fail "PulseAudio did not start"

"$program" "$work/disc/Demo.pl" >"$work/program.log" 2>&1 &
app=$!
pids+=($app)

wait_for_state '^1\|воспроизведение\|' 20
window=$(xdotool search --sync --onlyvisible --pid "$app" | head -n1)
[ -n "$window" ] || fail "no window"
xdotool windowfocus --sync "$window"

xdotool key b
# The first song lasts a few seconds: only B can bring the second one this soon.
wait_for_state '^2\|воспроизведение\|' 2
xdotool key v
wait_for_state '^2\|остановлен\|' 10
import -display "$DISPLAY" -window root "$work/screenshot.png"

kill -TERM "$app"
for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app" 2>/dev/null && fail "the program did not close on SIGTERM"
wait "$app" || fail "the program exited with status $?"

grep -q '^"SongNumber"=dword:00000001' "$settings" || fail "SongNumber not stored: $(cat "$settings")"
grep -qF "\"LastList\"=\"${work//\\/\\\\}/disc/Demo.pl\"" "$settings" || fail "LastList not stored"
echo "PASS (screenshot: $work/screenshot.png)"
