#!/usr/bin/env bash
# The host tools on files that are not what they seem: a FIFO where a file is
# read never blocks them, a failed write of any output (standard output
# included) is exit 2 with one line, a link written through stays a link, a
# FIFO or a device is written in place, and an overlong run is refused at once.
# usage: files_test.sh OSTREL-PREVIEW OSTRELCFG-SIM DEVICE-ROOT
set -u
preview=$1 sim=$2 device=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Runs a tool (10 s at most) and checks its exit code and its standard error.
# usage: expect CODE ERROR-REGEX TOOL ARGS...
expect() {
  local code=$1 pattern=$2
  shift 2
  timeout 10 "$@" >"$work/out" 2>"$work/err" </dev/null
  local got=$?
  [ "$got" -eq "$code" ] || fail "$*: exit $got, not $code ($(head -c 300 "$work/err"))"
  [ "$(wc -l <"$work/err")" -le 1 ] || fail "$*: more than one line on standard error"
  if [ -z "$pattern" ]; then
    [ ! -s "$work/err" ] || fail "$*: standard error '$(cat "$work/err")', not nothing"
  elif ! grep -Eq -- "$pattern" "$work/err"; then
    fail "$*: standard error '$(cat "$work/err")' does not match '$pattern'"
  fi
}

# Inputs: a FIFO is refused, never opened to wait for a writer.
mkfifo "$work/fifo"
expect 2 "--watermark: $work/fifo: is not a regular file" "$preview" --watermark "$work/fifo" --json -
expect 2 "--reg.*is not a regular file|$work/fifo: is not a regular file" "$preview" --reg "$work/fifo" --dump-settings
expect 2 "--events: $work/fifo: is not a regular file" "$preview" --events "@$work/fifo" --json -
expect 2 "--ui: $work/fifo: is not a regular file" "$sim" --ui "@$work/fifo"
cp -r "$device" "$work/device"
rm "$work/device/Windows/battery96.png"
mkfifo "$work/device/Windows/battery96.png"
expect 2 "image: .*battery96.png: is not a regular file" "$preview" --device-root "$work/device" --json "$work/r.json"
[ ! -e "$work/r.json" ] || fail "a refused image still left a report"

# A picture whose header asks for more than a picture can be is refused
# before it is decoded: 20000 x 20000 pixels in a 67-byte file.
python3 - "$work/huge.png" <<'PY'
import struct, sys, zlib
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
header = struct.pack(">IIBBBBB", 20000, 20000, 8, 6, 0, 0, 0)
open(sys.argv[1], "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                             chunk(b"IDAT", zlib.compress(bytes(1000))) + chunk(b"IEND", b""))
PY
expect 2 "--watermark: $work/huge.png: the picture is 20000 x 20000 pixels" "$preview" --watermark "$work/huge.png" --json -

# Standard output: a full disk and a closed pipe are failures, not silence.
for args in "--dump-settings" "--dump-status" "--json -" "--help"; do
  # shellcheck disable=SC2086
  timeout 10 "$preview" $args >/dev/full 2>"$work/err"
  [ $? -eq 2 ] || fail "ostrel-preview $args into /dev/full: exit code not 2"
  grep -q "^ostrel-preview: cannot write standard output: No space left on device$" "$work/err" ||
    fail "ostrel-preview $args into /dev/full: $(cat "$work/err")"
done
timeout 10 "$sim" --dump-view --ui cancel >/dev/full 2>"$work/err"
[ $? -eq 2 ] || fail "ostrelcfg-sim --dump-view into /dev/full: exit code not 2"
yes "tick 1" | head -n 5000 >"$work/long.txt"
timeout 20 "$preview" --events "@$work/long.txt" --json - 2>"$work/err" | head -c 1 >/dev/null
code=${PIPESTATUS[0]}
[ "$code" -eq 0 ] || [ "$code" -eq 2 ] || fail "a closed pipe ended ostrel-preview with $code (a signal?)"

# Output files: failures name the path and the reason, with exit code 2.
expect 2 "^ostrel-preview: /dev/full: cannot write: No space left on device$" "$preview" --json /dev/full
expect 2 "^ostrel-preview: /dev/full: cannot write: No space left on device$" "$preview" --png /dev/full
expect 2 "^ostrelcfg-sim: /dev/full: cannot write: No space left on device$" "$sim" --ui cancel --export-reg /dev/full
expect 2 "^ostrel-preview: $work/no/such/x.png: cannot write: No such file or directory$" \
  "$preview" --png "$work/no/such/x.png"

# A link is written through and stays a link; the file it names is replaced.
echo old >"$work/target.reg"
chmod 640 "$work/target.reg"
ln -s target.reg "$work/link.reg"
expect 0 "" "$sim" --ui cancel --export-reg "$work/link.reg"
[ -L "$work/link.reg" ] || fail "--export-reg replaced the link with a file"
head -c 2 "$work/target.reg" | od -An -tx1 | grep -q "ff fe" || fail "--export-reg did not write the linked file"
[ "$(stat -c %a "$work/target.reg")" = 640 ] || fail "the replaced file lost its permissions"
ls -A "$work" | grep -q '^\.target' && fail "a temporary file was left beside the target"

# A FIFO is written in place (its reader gets the text) and stays a FIFO.
timeout 20 cat "$work/fifo" >"$work/from-fifo" &
expect 0 "" "$sim" --ui cancel --export-reg "$work/fifo"
wait
[ -p "$work/fifo" ] || fail "--export-reg replaced the FIFO"
[ -s "$work/from-fifo" ] || fail "the FIFO's reader got nothing"

# A failed write leaves the old file as it was.
echo keep >"$work/kept.json"
chmod 500 "$work"
if ! touch "$work/probe" 2>/dev/null; then
  expect 2 "$work/kept.json: cannot write: Permission denied" "$preview" --json "$work/kept.json"
  [ "$(cat "$work/kept.json")" = keep ] || fail "a failed write changed the file"
fi
chmod 700 "$work"

# Bounds: 10^7 + 1 ticks are refused before the first one is played.
{ for _ in $(seq 10); do echo "tick 1000000"; done; echo "tick 1"; } >"$work/ticks.txt"
start=$(date +%s)
expect 2 "--events: 'tick 1': more than 10000000 ticks in one run" "$preview" --events "@$work/ticks.txt" --json -
[ $(($(date +%s) - start)) -le 5 ] || fail "the overlong script was not refused at once"
expect 2 "--ticks 29000 --advance 31622400: moves the clock outside" \
  "$preview" --dump-status --now "2026-01-01 00:00:00" --ticks 29000 --advance 31622400
echo "tick 2; query" | timeout 10 "$preview" --now "2026-01-01 00:00:00" --events @- --json - >"$work/out" 2>"$work/err" ||
  fail "--events @- did not play standard input: $(cat "$work/err")"

# A resize is held to the screen, either way up.
expect 2 "action 'resize 241 320': larger than the screen" "$sim" --size 240x320 --ui "resize 241 320"
expect 2 "action 'resize 5000 5000': larger than the screen" "$sim" --size 240x320 --ui "resize 5000 5000"
expect 0 "" "$sim" --size 240x320 --ui "resize 320 240; cancel"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "all file cases hold"
