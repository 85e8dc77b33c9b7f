#!/usr/bin/env bash
# Checks the version record and icon of the Windows program in what
# mingw-w64's windres reads back: from the built tovel.exe itself, or from the
# resource script compiled on its own.
# usage: version_record.sh path/to/tovel.rc|path/to/tovel.exe path/to/identity.sh
set -euo pipefail
source "$2"
IFS=. read -r major minor revision <<<"$VARNOCK_VERSION"
shown=$(printf '%d.%02d.%04d' "$major" "$minor" "$revision")  # as Windows' file properties show it
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if [[ $1 == *.exe ]]; then
  x86_64-w64-mingw32-windres -J coff -i "$1" -O rc -o "$scratch/back.rc"
else
  x86_64-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-xc "$1" -O res -o "$scratch/tovel.res"
  x86_64-w64-mingw32-windres -i "$scratch/tovel.res" -O rc -o "$scratch/back.rc"
fi
expected=(
  "FILEVERSION $major, $minor, 0, $revision"
  "PRODUCTVERSION $major, $minor, 0, $revision"
  'FILETYPE 0x1'
  'BLOCK "040904B0"'
  "VALUE \"CompanyName\", \"$VARNOCK_COMPANY\""
  "VALUE \"FileDescription\", \"$VARNOCK_TITLE\""
  "VALUE \"LegalCopyright\", L\"Copyright \\251 $VARNOCK_COPYRIGHT_YEAR $VARNOCK_COMPANY All rights reserved.\""
  "VALUE \"ProductName\", \"$VARNOCK_TITLE\""
  "VALUE \"FileVersion\", \"$shown\""
  "VALUE \"ProductVersion\", \"$shown\""
  "VALUE \"InternalName\", \"$VARNOCK_INTERNAL_NAME\""
  "VALUE \"OriginalFilename\", \"$VARNOCK_INTERNAL_NAME.exe\""
  'VALUE "Translation", 0x409, 1200'
  'LANGUAGE 9, 1'
  # the group icon: the 32 x 32 image of 16 colours, and full-colour ones of 16, 24, 32, 48 and 256 (0) pixels
  '"\040\040\020\000", 1, 4,'
  '"\020\020\000\000", 1, 32,'
  '"\030\030\000\000", 1, 32,'
  '"\040\040\000\000", 1, 32,'
  '"\060\060\000\000", 1, 32,'
  '"\000\000\000\000", 1, 32,'
)
failed=0
for line in "${expected[@]}"; do
  grep -qF -- "$line" "$scratch/back.rc" || { echo "missing: $line"; failed=1; }
done
# The icon's mask: wherever Windows shows it, its background is transparent.
if [[ $1 != *.exe ]]; then
  icon=$(sed -n 's/^IDI_ICON1 ICON "\(.*\)"$/\1/p' "$1")
  [[ $(convert "ico:$icon" -format '%[opaque] ' info:) != *true* ]] || { echo "an icon image has no transparent background"; failed=1; }
fi
[ $failed -eq 0 ] && echo "version record: all ${#expected[@]} fields as expected"
exit $failed
