#!/bin/sh
# plant.sh PATCH [BUILD]: plants a fault and tells whether its demonstration's sweep finds it.
#
# PATCH is a one-line change to the painting code (tests/legibility/plants/*.patch); its header
# names the sweep that must find it and the rule expected to:
#   # sweep: MBTree
#   # rule: painted
# and, for a fault only the teacher's actions show (a resize, a breakpoint), "# teacher: N"
# runs the sweep with --teacher N, and "# seed: S" with --seed S.
# The patch is applied to the worktree (git apply), velkora-script is built in BUILD
# (build-test by default), the sweep runs at 1024x768 every line (SIZES="..." for others),
# and the patch is taken back out and the driver built again, whatever happened. Prints
#   plant NAME: found by RULE... (N findings)       the sweep found it
#   plant NAME: NOT FOUND                            it passed clean
# and exits 0 when found, 1 when not, 2 when the patch or the build failed. For a
# demonstration listed in pending.txt, and under the teacher's actions, only the findings the
# unpatched sweep does not make count.
set -u
patch=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath "${2:-$root/build-test}")
sizes=${SIZES:-1024x768}
name=$(basename "$patch" .patch)
demo=$(sed -n 's/^# sweep: *//p' "$patch" | head -n 1)
expected=$(sed -n 's/^# rule: *//p' "$patch" | head -n 1)
teacher=$(sed -n 's/^# teacher: *//p' "$patch" | head -n 1)
seed=$(sed -n 's/^# seed: *//p' "$patch" | head -n 1)
if [ -z "$demo" ] || [ ! -f "$here/$demo.vks" ]; then
  echo "plant $name: no sweep named in its header"
  exit 2
fi

sweep() {  # the findings of the sweep, one a line, sorted
  for size in $sizes; do
    (cd "$build/tests/scripts" && "$build/velkora-script" --screen "$size" --exceptions "$here/exceptions.txt" \
      ${teacher:+--teacher "$teacher"} ${seed:+--seed "$seed"} "$here/$demo.vks" 2>&1) | grep -e '^wrong ' -e '^illegible '
  done | sort -u
}
build_driver() { cmake --build "$build" --target velkora-script -j3 >/dev/null 2>&1; }

before=""
if [ -n "$teacher" ] || grep -v '^#' "$here/pending.txt" | grep -qx "$demo"; then
  build_driver || { echo "plant $name: the build failed"; exit 2; }
  before=$(sweep)
fi

cd "$root" || exit 2
git apply "$patch" || { echo "plant $name: the patch does not apply"; exit 2; }
trap 'git -C "$root" apply -R "$patch"; build_driver' EXIT INT TERM
if ! build_driver; then
  echo "plant $name: the build failed"
  exit 2
fi
after=$(sweep)
new=$(printf '%s\n' "$after" | grep -v -x -F -e "$before")
[ -z "$before" ] && new=$after
count=$(printf '%s\n' "$new" | grep -c -e '^wrong ' -e '^illegible ')
if [ "$count" -eq 0 ]; then
  echo "plant $name: NOT FOUND by the $demo sweep (expected: $expected)"
  exit 1
fi
rules=$(printf '%s\n' "$new" | sed -n -e 's/^wrong \([a-z]*\) .*/\1/p' -e 's/^illegible \([a-z]*\) .*/illegible \1/p' | sort -u | tr '\n' ' ')
echo "plant $name: found by ${rules}($count findings; expected: $expected)"
printf '%s\n' "$new" | head -n 3
exit 0
