#!/usr/bin/env bash
# typecask-cli's font listings beside fc-list asking for the same fields, alternated in one run
# (median wall time of N runs each, and median CPU time, user and system, which load on the
# machine changes less), with the fonts FONTCONFIG_FILE names. Needs perf for the CPU times.
# usage: bench/cli_time.sh [runs] [build dir]
set -euo pipefail
runs=${1:-21}
build=${2:-build}
cli=$build/typecask-cli
names=(fonts fc-list-family details fc-list-details)
commands=("$cli fonts" "fc-list : family" "$cli fonts --details"
  "fc-list : family familylang fontformat lang spacing symbol")
declare -A times cpu
for i in "${!commands[@]}"; do ${commands[$i]} >/dev/null; done # page cache
for _ in $(seq "$runs"); do
  for i in "${!commands[@]}"; do
    # Wall time without perf around it (perf's own start would count), CPU time in a second run.
    start=$(date +%s%N)
    ${commands[$i]} >/dev/null
    end=$(date +%s%N)
    perf stat -x, -e task-clock -o /tmp/cli_time.$$ -- ${commands[$i]} >/dev/null
    times[${names[$i]}]+="$(((end - start) / 100000)) " # tenths of a millisecond
    cpu[${names[$i]}]+="$(awk -F, '/task-clock/ {printf "%d", $1 * 10}' /tmp/cli_time.$$) "
  done
done
median() { printf '%s\n' $1 | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "fonts: ${FONTCONFIG_FILE:-machine} ($(fc-list : file | wc -l) faces), runs: $runs, load: $(cut -d' ' -f1-3 /proc/loadavg)"
for n in "${names[@]}"; do
  printf '%-16s median %7.1f ms wall %7.1f ms CPU\n' "$n" "$(echo "$(median "${times[$n]}") / 10" | bc -l)" \
    "$(echo "$(median "${cpu[$n]}") / 10" | bc -l)"
done
ratio() { echo "scale=2; $(median "$1") / $(median "$2")" | bc; }
echo "wall: fonts / fc-list family $(ratio "${times[fonts]}" "${times[fc-list-family]}")x," \
  "details / fc-list fields $(ratio "${times[details]}" "${times[fc-list-details]}")x"
echo "CPU:  fonts / fc-list family $(ratio "${cpu[fonts]}" "${cpu[fc-list-family]}")x," \
  "details / fc-list fields $(ratio "${cpu[details]}" "${cpu[fc-list-details]}")x"
rm -f /tmp/cli_time.$$
