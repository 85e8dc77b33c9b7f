#!/usr/bin/env bash
# The program's code beyond what the compiler checks: no include it does not
# use (include-what-you-use: only its removals are enforced, its additions
# are advice), and clang-tidy's chosen checks (.clang-tidy), every warning an
# error. A Qt header that IWYU maps to another header of the same file is
# kept with "// IWYU pragma: keep".
# usage: check_code.sh build-folder qt-headers-folder
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
qt=$2
# The program's own files this build compiles.
mapfile -t sources < <(sed -n 's/^ *"file": "\(.*\)",*$/\1/p' "$build/compile_commands.json" |
  grep -E "^$root/(core|ui|app)/" | sort -u)
[ ${#sources[@]} -gt 0 ] || { echo "no program file in $build/compile_commands.json" >&2; exit 1; }

# Qt's public headers (<QLabel>) each hold one include of the file that
# declares the class ("qlabel.h"): IWYU is told to name the public one.
mapping="$build/qt6-iwyu.imp"
{
  echo '['
  for public in "$qt"/Qt*/Q*; do
    [ -f "$public" ] || continue
    file=$(sed -n 's/^#include "\([a-z0-9_]*\.h\)"$/\1/p' "$public")
    [ -n "$file" ] && [ "$(wc -l <"$public")" -eq 1 ] || continue
    module=$(basename "$(dirname "$public")")
    name=$(basename "$public")
    for spelled in "<$file>" "\\\"$file\\\"" "<$module/$file>"; do
      echo "  { include: [\"$spelled\", \"private\", \"<$name>\", \"public\"] },"
    done
  done
  echo '  { include: ["<bits/chrono.h>", "private", "<chrono>", "public"] }'
  echo ']'
} >"$mapping"

report="$build/iwyu.txt"
iwyu_tool -j "$(nproc)" -p "$build" "${sources[@]}" -- -Xiwyu --mapping_file="$mapping" -Xiwyu --no_fwd_decls \
  >"$report" 2>&1 || true
checked=$(grep -c -e '^The full include-list for .*\.cpp:$' -e '^(.*\.cpp has correct #includes/fwd-decls)$' "$report" ||
  true)
if [ "$checked" -ne "${#sources[@]}" ]; then
  echo "include-what-you-use read $checked of ${#sources[@]} files:" >&2
  cat "$report" >&2
  exit 1
fi
unused=$(awk '/should remove these lines:$/ { file = $1; next } /^- / && file { print file ": " $0 } /^$/ { file = "" }' "$report")
if [ -n "$unused" ]; then
  echo "includes and declarations not used:" >&2
  echo "$unused" >&2
  exit 1
fi

run-clang-tidy -p "$build" -j "$(nproc)" -quiet "$root/(core|ui|app)/.*\.cpp$"
