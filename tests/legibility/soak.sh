#!/bin/sh
# soak.sh DEMO [SEEDS]: runs a demonstration's legibility script (tests/legibility/DEMO.vks)
# with more seeds than the sweep: every class, at 1024x768, 1366x768 and 1920x1080, every line
# checked, with the teacher's actions (their second run checked at every line too); at one of
# the sizes, by turns with the seed, at a speed other than 99 (60, 0, 30, 90 by turns) where the
# script sets speed 99. SEEDS is a count (seeds 1 to N) or a range FIRST..LAST; 10 unless given.
# The driver is $VELKORA_SCRIPT, or build-test/velkora-script beside the sources.
# Prints each finding under the command that shows it again, then the figures: seeds, runs,
# lines run and looks taken, findings and the distinct findings among them. Exit 1 when
# anything was found or a run failed.
here=$(cd "$(dirname "$0")" && pwd)
demo=$1
seeds=${2:-10}
driver=${VELKORA_SCRIPT:-$here/../../build-test/velkora-script}
script=$here/$demo.vks
[ -n "$demo" ] && [ -f "$script" ] || { echo "usage: soak.sh DEMO [SEEDS] (no $script)"; exit 2; }
[ -x "$driver" ] || { echo "no driver at $driver: build it or set VELKORA_SCRIPT"; exit 2; }
case $seeds in
  *..*) first=${seeds%%..*}; last=${seeds##*..} ;;
  *) first=1; last=$seeds ;;
esac
export QT_QPA_PLATFORM=offscreen
# The scripts load their data files from the test folder of the build.
cd "$(dirname "$driver")/tests/scripts" 2>/dev/null || true
all=$(mktemp)
runs=0
failed=0
lines=0
looks=0
seed=$first
while [ "$seed" -le "$last" ]; do
  at=0
  for size in 1024x768 1366x768 1920x1080; do
    pace=
    if [ $((seed % 3)) -eq "$at" ]; then pace="--speed $(echo 60 0 30 90 | cut -d' ' -f$((seed % 4 + 1)))"; fi
    at=$((at + 1))
    # shellcheck disable=SC2086 # the options are words
    out=$("$driver" --seed "$seed" --screen "$size" --teacher 1 $pace --exceptions "$here/exceptions.txt" "$script" 2>&1)
    rc=$?
    runs=$((runs + 1))
    if [ "$rc" -ne 0 ] && [ "$rc" -ne 1 ] || printf '%s\n' "$out" | grep -q -e '^FAILED line' -e '^script-error'; then
      failed=$((failed + 1))
      echo "== failed: $driver --seed $seed --screen $size --teacher 1 $pace $script"
      printf '%s\n' "$out" | grep -e '^FAILED' -e '^script-error' -e '^error' | head -5
    fi
    # Each finding under the class that showed it and the command that shows it again.
    printf '%s\n' "$out" | awk -v seed="$seed" -v size="$size" -v driver="$driver" -v script="$script" -v all="$all" -v pace="$pace" '
      /^class / { cls = $2 }
      /^at / { where = $0 }
      /^(illegible|wrong) / {
        if (!shown[cls]++) printf "== %s --seed %s --screen %s --teacher 1 %s--class %s %s\n", driver, seed, size, pace (pace == "" ? "" : " "), cls, script
        print "   " where; print "   " $0
        print $0 >> all
      }'
    l=$(printf '%s\n' "$out" | sed -n 's/^checked \([0-9]*\) times over \([0-9]*\) lines run$/\2 \1/p' | awk '{ l += $1; k += $2 } END { print l + 0, k + 0 }')
    lines=$((lines + ${l% *}))
    looks=$((looks + ${l#* }))
  done
  seed=$((seed + 1))
done
found=$(grep -c . "$all")
distinct=$(sort -u "$all" | grep -c .)
rm -f "$all"
echo "== soak $demo: seeds $first..$last, $runs runs ($failed failed), $lines lines run, $looks looks, $found findings ($distinct distinct)"
[ "$found" -eq 0 ] && [ "$failed" -eq 0 ]
