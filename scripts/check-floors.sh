#!/usr/bin/env bash
# Fails, naming the file and line, when a source in src/ includes a floor above
# its own. The floors, lowest first; a file directly in src/ (the entry point
# and the frame loop, which know every screen) stands on top of them all.
# This list is the one place that says the floors' order.
set -euo pipefail
cd "$(dirname "$0")/.."
FLOORS=(app game maps ui top)

floor_index() {
  local i
  for i in "${!FLOORS[@]}"; do
    if [[ ${FLOORS[$i]} == "$1" ]]; then
      echo "$i"
      return
    fi
  done
  echo -1
}

# The floor of a path under src/: its first folder, or "top" for a file in src/ itself.
floor_of() {
  if [[ $1 == */* ]]; then echo "${1%%/*}"; else echo top; fi
}

failed=0
while IFS= read -r file; do
  own=$(floor_of "${file#src/}")
  own_index=$(floor_index "$own")
  if ((own_index < 0)); then
    echo "$file: folder $own is no floor (floors: ${FLOORS[*]})" >&2
    failed=1
    continue
  fi
  while IFS=: read -r line included; do
    [[ -f src/$included ]] || continue  # a system or library header
    target=$(floor_of "$included")
    target_index=$(floor_index "$target")
    if ((target_index > own_index)); then
      echo "$file:$line: includes \"$included\": floor $target stands above $own" >&2
      failed=1
    fi
  done < <(awk 'match($0, /^[ \t]*#[ \t]*include[ \t]*"[^"]*"/) {
      text = substr($0, RSTART, RLENGTH); sub(/^[^"]*"/, "", text); sub(/"$/, "", text)
      print FNR ":" text }' "$file")
done < <(find src \( -name '*.cpp' -o -name '*.h' \) | sort)
if ((failed)); then
  echo "Each floor of src/ includes only the floors below it: ${FLOORS[*]} (lowest first)." >&2
fi
exit $failed
