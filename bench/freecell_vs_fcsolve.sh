#!/usr/bin/env bash
# Our solver against fc-solve (Debian package freecell-solver-bin), when it is
# installed, on the same FreeCell deals: one process a deal for both, so that
# process start counts alike. Prints the total, median and slowest time of
# each and the ratio of the totals. Run from anywhere:
#   bench/freecell_vs_fcsolve.sh [BUILD_FOLDER] [FIRST_DEAL] [DEALS]
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/.." && pwd)/build}
first=${2:-1}
deals=${3:-100}
cli="$build/quilloro/quilloro-cli"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
freecell=1

now() { date +%s%N; }

# Prints "total median slowest" in seconds of the times (nanoseconds) on standard input.
summary() {
  sort -n | awk '{ t[NR] = $1; sum += $1 } END {
    printf "%.3f %.3f %.3f\n", sum / 1e9, t[int((NR + 1) / 2)] / 1e9, t[NR] / 1e9 }'
}

ours=()
won=0
for ((deal = first; deal < first + deals; deal++)); do
  start=$(now)
  verdict=$("$cli" solve --game $freecell --number $deal --home "$home" --dat "$build/quilloro/GAMES.DAT")
  ours+=($(($(now) - start)))
  [[ $verdict == won* ]] && won=$((won + 1))
done
read -r total median slowest < <(printf '%s\n' "${ours[@]}" | summary)
printf 'quilloro: %d of %d deals won, total %s s, median %s s, slowest %s s\n' "$won" "$deals" "$total" "$median" "$slowest"

if ! command -v fc-solve > /dev/null; then
  echo "fc-solve: not installed (apt-get install freecell-solver-bin), no comparison"
  exit 0
fi
theirs=()
solved=0
for ((deal = first; deal < first + deals; deal++)); do
  board=$("$cli" solve --game $freecell --number $deal --board --home "$home" --dat "$build/quilloro/GAMES.DAT")
  start=$(now)
  answer=$(FREECELL_SOLVER_QUIET=1 fc-solve -l as <<< "$board" || true)
  theirs+=($(($(now) - start)))
  [[ $answer == *"This game is solveable"* ]] && solved=$((solved + 1))
done
read -r theirTotal theirMedian theirSlowest < <(printf '%s\n' "${theirs[@]}" | summary)
printf 'fc-solve: %d of %d deals won, total %s s, median %s s, slowest %s s\n' "$solved" "$deals" "$theirTotal" \
  "$theirMedian" "$theirSlowest"
awk -v a="$total" -v b="$theirTotal" 'BEGIN { printf "ratio of the totals (quilloro / fc-solve): %.2f\n", a / b }'
