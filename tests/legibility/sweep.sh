#!/bin/sh
# sweep.sh VELKORA_SCRIPT SCRIPT [SIZE...]: runs one demonstration's legibility script at each
# screen size (1024x768 1366x768 1920x1080 unless sizes are given) and prints what it finds.
# The script's "check every" looks at every line at the first size and at one line in seven at
# the others. Fails on findings (illegible texts, wrong drawings) unless the demonstration (the
# script's name) is listed alone on a line of pending.txt; a line "DEMO RULE ..." lets only
# those drawing rules' findings pass (the driver prints them "pending wrong RULE"). A script
# error, a failed expect or a missing picture always fails.
driver=$1
script=$2
shift 2
sizes=${*:-1024x768 1366x768 1920x1080}
here=$(dirname "$0")
demo=$(basename "$script" .vks)
pending=no
if grep -v '^#' "$here/pending.txt" | grep -qx "$demo"; then pending=yes; fi
findings=0
pendingFound=0
broken=0
sample=1
for size in $sizes; do
  echo "== $demo at $size"
  out=$("$driver" --screen "$size" --sample "$sample" --exceptions "$here/exceptions.txt" \
    --pending "$here/pending.txt" "$script" 2>&1)
  rc=$?
  sample=7
  printf '%s\n' "$out"
  n=$(printf '%s\n' "$out" | grep -c -e '^illegible ' -e '^wrong ')
  p=$(printf '%s\n' "$out" | grep -c -e '^pending wrong ')
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
