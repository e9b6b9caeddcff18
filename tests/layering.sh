#!/usr/bin/env bash
# The folders' floors: fails when a file includes a header from a floor above its own, when a
# GUI-free file (listed for typecask_core) includes a file that is not, or when a file is named
# after a form number instead of what it holds. Usage: layering.sh [SOURCE_DIR]
set -uo pipefail
cd "${1:-$(dirname "$0")/..}"

windows=(dialogs font_tools colour_tools floating main_window)
# What each folder may include besides the GUI-free files of any folder.
declare -A allowed=(
  [core]="core"
  [storage]="core storage"
  [export]="core export"
  [platform]="core platform"
  [widgets]="core storage export platform widgets"
  [cli]="core storage export platform cli"
  [app]="core storage platform main_window app"
)
for w in "${windows[@]}"; do allowed[$w]="core storage export platform widgets $w"; done

# Every file typecask_core is built from, as written in the folders' sources.cmake.
declare -A core_file=()
while IFS= read -r f; do core_file[$f]=1; done < <(awk '/TYPECASK_CORE_SOURCES/ {on = 1; next}
  on && /\)/ {on = 0} on {for (i = 1; i <= NF; i++) print $i}' ./*/sources.cmake)
is_core() { [ -n "${core_file[$1]:-}" ]; }

faults=0
fault() { echo "$1"; faults=$((faults + 1)); }

for folder in "${!allowed[@]}"; do
  for file in "$folder"/*.h "$folder"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r included; do
      dir=${included%%/*}
      [ "$dir" = "$included" ] && continue # a header of the compiler or a library
      if is_core "$file"; then
        is_core "$included" || fault "$file: a GUI-free file includes $included"
        continue
      fi
      is_core "$included" && continue
      [[ " ${allowed[$folder]} " == *" $dir "* ]] && continue
      # The registry is the one place that opens every window.
      [[ "$file" == main_window/window_registry.* ]] && [[ " ${windows[*]} " == *" $dir "* ]] && continue
      fault "$file: includes $included from a floor above"
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  done
done

while IFS= read -r named; do
  fault "$named: named after a form number; name it after what it holds"
done < <(git ls-files 2>/dev/null | grep -E '(^|/)(test_)?(mdi_)?form[0-9]+\.(h|cpp)$')

echo "$faults faults"
[ "$faults" -eq 0 ]
