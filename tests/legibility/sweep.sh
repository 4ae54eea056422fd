#!/bin/sh
# sweep.sh [--seed N] [--turn K] [--teacher N] [--speed S] VELKORA_SCRIPT SCRIPT [SIZE...]:
# runs one demonstration's legibility script and prints what it finds.
# A script with input classes ("class NAME" lines) runs every class at the first size
# (1024x768 unless sizes are given), every line checked, and one class at each other size
# (1366x768 and 1920x1080) with one line in seven checked: class K at the second size, K+1 at
# the third, counted round the classes (K is 0 unless --turn names it), so that the time
# stays bounded and the other sizes see every class as K moves on. A script without classes
# runs whole at every size.
# --teacher N adds the teacher's actions to every class at every size (a pause mid-run, the
# window resized, a breakpoint on the current line, the run made again after a reset, that
# second run checked at one line in N). As they double the runs, the first size then checks
# every other line of every third class only (the classes K, K+3, ...) and one line in ten of
# the rest.
# --speed S runs the class of the second size at speed S where the script sets speed 99.
# The values the script draws come from --seed (the driver's own default seed unless given).
# Fails on findings (illegible texts, wrong drawings) unless the demonstration (the script's
# name) is listed alone on a line of pending.txt; a line "DEMO RULE ..." lets only those
# rules' findings pass (the driver prints them "pending wrong RULE" or "pending illegible
# RULE"), "DEMO resized RULE ..." only once the window was resized in the class. A script error,
# a failed expect or a missing picture always fails.
seed=
turn=0
teacher=
speed=
while :; do
  case $1 in
    --seed) seed="--seed $2"; shift 2 ;;
    --turn) turn=$2; shift 2 ;;
    --teacher) teacher="--teacher $2"; shift 2 ;;
    --speed) speed=$2; shift 2 ;;
    *) break ;;
  esac
done
driver=$1
script=$2
shift 2
sizes=${*:-1024x768 1366x768 1920x1080}
here=$(dirname "$0")
demo=$(basename "$script" .vks)
pending=no
if grep -v '^#' "$here/pending.txt" | grep -qx "$demo"; then pending=yes; fi
classes=$("$driver" --classes "$script") || { echo "== $demo: cannot read its classes"; exit 1; }
count=$(printf '%s\n' "$classes" | grep -c .)
findings=0
pendingFound=0
broken=0
run=0
for size in $sizes; do
  pace=
  if [ "$run" -eq 0 ]; then
    sample=1
    only=
    what="every class"
    if [ -n "$teacher" ] && [ "$count" -gt 1 ]; then
      sample=10
      only=$(printf '%s\n' "$classes" | awk -v turn="$turn" '(NR - 1 + turn) % 3 == 0 { printf "--full %s ", $0 }')
      what="every class, every other line of $(printf '%s' "$only" | sed 's/--full //g; s/ $//; s/ /, /g')"
      only="--full-sample 2 $only"
    fi
  else
    sample=7
    only=
    what="whole"
    if [ "$run" -eq 1 ] && [ -n "$speed" ]; then pace="--speed $speed"; fi
    if [ "$count" -gt 0 ]; then
      pick=$(( (turn + run - 1) % count + 1 ))
      name=$(printf '%s\n' "$classes" | sed -n "${pick}p")
      only="--class $name"
      what="class $name"
    fi
  fi
  [ "$count" -eq 0 ] && [ "$run" -eq 0 ] && what="whole"
  run=$((run + 1))
  echo "== $demo at $size, $what, one line in $sample${pace:+, $pace}${teacher:+, $teacher}"
  # shellcheck disable=SC2086 # the options are words
  out=$("$driver" --screen "$size" --sample "$sample" $seed $only $teacher $pace --exceptions "$here/exceptions.txt" \
    --pending "$here/pending.txt" "$script" 2>&1)
  rc=$?
  printf '%s\n' "$out"
  n=$(printf '%s\n' "$out" | grep -c -e '^illegible ' -e '^wrong ')
  p=$(printf '%s\n' "$out" | grep -c -e '^pending wrong ' -e '^pending illegible ')
  echo "== $demo at $size: $n findings, $p pending, exit $rc"
  if [ "$rc" -ne 0 ] && [ "$rc" -ne 1 ]; then broken=1; fi
  if printf '%s\n' "$out" | grep -q -e '^FAILED line' -e '^error missing picture' -e '^script-error'; then broken=1; fi
  findings=$((findings + n))
  pendingFound=$((pendingFound + p))
done
if [ "$broken" -ne 0 ]; then
  echo "== $demo: the script itself failed"
  exit 1
fi
if [ "$findings" -gt 0 ]; then
  if [ "$pending" = yes ]; then
    echo "== $demo: $findings findings, pending (listed in pending.txt)"
    exit 0
  fi
  echo "== $demo: $findings findings"
  exit 1
fi
if [ "$pending" = yes ]; then echo "== $demo: clean now; take it out of pending.txt"; fi
if [ "$pendingFound" -eq 0 ] && grep -v '^#' "$here/pending.txt" | grep -q "^$demo "; then
  echo "== $demo: keeps its pending rules now; take its line out of pending.txt"
fi
exit 0
