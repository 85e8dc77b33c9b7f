#!/usr/bin/env bash
# The Windows program as a Windows user meets it, under Wine in a throwaway
# prefix: silent install, Start menu entry and uninstaller in place, the
# version record read back from the installed tovel.exe, the shipped texts
# written for Windows, the splash and then the calculator window, a
# calculation with real clicks and keys read back by OCR, one page printed to
# the suite's cups-pdf queue and one saved as a PDF, an uninstall refused
# while the program runs, File > Exit with status 0, and a silent uninstall
# that leaves nothing in Program Files.
# usage: with_cups_pdf.sh xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" under_wine.sh setup.exe
# VARNOCK_SCREENSHOT=file.png also keeps a picture of the calculator window.
set -euo pipefail
# With standard input closed, as CI starts the suite, Wine's processes take
# descriptor 0 for their server socket and lose track of it ("recvmsg: Socket
# operation on non-socket"): give them one that reads nothing.
exec </dev/null
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/drive.sh"
setup=$(realpath "$1")
source "$(dirname "$setup")/identity.sh"
# The places to click, from the Linux build of the same tables (the Windows
# build makes no tests).
source "${VARNOCK_CONTROLS:-$here/../../build/controls.sh}"
wine=$(command -v wine || echo /usr/lib/wine/wine64)
export WINEPREFIX=$(mktemp -d /tmp/varnock-wine.XXXXXX) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
scratch=$(mktemp -d)
pid= wm=
trap 'kill $pid $wm 2>/dev/null || true; wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX" "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; [ -n "${VARNOCK_FAIL_SHOT:-}" ] && import -window root "$VARNOCK_FAIL_SHOT"; exit 1; }
# Answers the file dialog titled $1 as a user does: the name box's text
# replaced by the Windows path $2, then Enter.
answer_file_dialog() {
  local dialog
  dialog=$(wait_window 20 --name "^$1\$") || fail "no dialog \"$1\""
  sleep 1
  xdotool windowfocus --sync "$dialog" key --clearmodifiers End shift+Home
  xdotool type --delay 20 "$2"
  xdotool key Return
}
# A step without a check of its own (wineboot, the installer, reg) still says
# which one stopped the test, and how much room the prefix had.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND exited with $?; free in /tmp: $(df -h --output=avail /tmp | tail -n 1)" >&2' ERR
started=$SECONDS

"$wine" wineboot --init
# A fresh prefix has no Arial: its metric-compatible stand-in, as on Linux.
"$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null
wineserver -w

"$wine" "$setup" /S || fail "the silent install exited with $?"
wineserver -w
folder="$WINEPREFIX/drive_c/Program Files/$VARNOCK_TITLE"
[ -f "$folder/tovel.exe" ] || fail "tovel.exe is not in $folder"
[ -f "$folder/Uninstall.exe" ] || fail "no uninstaller in $folder"
# The Add/Remove entry as Windows reads it, and the installer's own version record.
entry=$("$wine" reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$VARNOCK_TITLE" 2>/dev/null | tr -d '\r') ||
  fail "the uninstaller is not registered"
for value in "NoModify +REG_DWORD +0x1" "NoRepair +REG_DWORD +0x1" "EstimatedSize +REG_DWORD +0x[0-9a-f]{3,}" \
             "InstallLocation +REG_SZ +C:.Program Files.$VARNOCK_TITLE" "DisplayIcon +REG_SZ"; do
  grep -Eq "^ +$value" <<<"$entry" || fail "the Add/Remove entry has no $value: $entry"
done
record=$(x86_64-w64-mingw32-windres -J coff -i "$setup" -O rc)
for value in "\"FileDescription\", \"$VARNOCK_TITLE Setup\"" "\"CompanyName\", \"$VARNOCK_COMPANY\"" "\"ProductName\", \"$VARNOCK_TITLE\""; do
  grep -qF "$value" <<<"$record" || fail "the installer's version record has no $value"
done
for entry in "$VARNOCK_TITLE" "Uninstall $VARNOCK_TITLE"; do
  find "$WINEPREFIX/drive_c" -path "*Start Menu/Programs/$VARNOCK_TITLE/$entry.lnk" | grep -q . || fail "no Start menu entry $entry"
done
# Qt's terms beside the program and in the zip: the notice names the exact
# Debian source of the Qt it ships.
qt_source=$(dpkg-query -W -f='${Version}' qt6-base-dev)
# Listed once into a file: grep -q leaving a pipe early would kill unzip with
# SIGPIPE, and pipefail would call the file missing.
unzip -Z1 "${setup%.exe}.zip" >"$scratch/zip-contents"
for file in LICENSE.txt Qt-NOTICE.txt LGPL-3.0.txt GPL-3.0.txt; do
  [ -s "$folder/$file" ] || fail "no $file in $folder"
  grep -q "/$file\$" "$scratch/zip-contents" || fail "no $file in the zip, which holds: $(xargs <"$scratch/zip-contents")"
done
grep -q "qt6-base, version $qt_source\." "$folder/Qt-NOTICE.txt" || fail "Qt-NOTICE.txt does not name qt6-base $qt_source"
# Texts written for Windows: Windows line ends, lines Notepad shows whole, no Linux paths.
for text in "$folder"/*.txt; do
  ! grep -qv $'\r$' "$text" || fail "$(basename "$text") has lines without Windows line ends"
  ! grep -q '^.\{82,\}' "$text" || fail "$(basename "$text") has lines wider than 80 characters"
  ! grep -q '/usr/' "$text" || fail "$(basename "$text") names a Linux path"
done
[ -s "$folder/winpthreads-NOTICE.txt" ] || fail "no notice for libwinpthread-1.dll"
"$here/../packaging/version_record.sh" "$folder/tovel.exe" "$(dirname "$setup")/identity.sh" || fail "the version record of the installed tovel.exe"
echo "installed in $((SECONDS - started)) s"

openbox --sm-disable 2>/dev/null & wm=$!
sleep 1
(cd "$folder" && exec "$wine" tovel.exe) & pid=$!
wait_window 30 --name "^$VARNOCK_TITLE\$" >/dev/null || fail "no splash window"
calculator=$(wait_window 30 --name "^$VARNOCK_CAPTION\$") || fail "no calculator window"
sleep 1
client_geometry "$calculator"
[ "$WIDTH" -eq "${CLIENT_SIZE% *}" ] && [ $MENU -ge 15 ] && [ $MENU -le 30 ] || fail "client area ${WIDTH}x${HEIGHT} is not $CLIENT_SIZE below a menu bar"

choose_option2_type_45_calculate "$calculator"
sleep 0.5
[ -n "${VARNOCK_SCREENSHOT:-}" ] && import -window "$calculator" "$VARNOCK_SCREENSHOT"
# Read as a user reads them: the two result boxes, enlarged, through OCR.
import -window root -crop "$(on_screen "$calculator" "$RESULTS_BOX")" "$scratch/results.png"
convert "$scratch/results.png" -colorspace Gray -resize 400% "$scratch/large.png"
read -r -d '' results < <(tesseract "$scratch/large.png" - --psm 6 2>/dev/null | tr -s ' \n' '  '; printf '\0') || true
[ "$(echo $results)" = "0.245 15.4522" ] || fail "the results read \"$(echo $results)\", not 0.245 and 15.4522"

pdfs=$(ls "$VARNOCK_PDF_OUT" | wc -l)
xdotool windowfocus --sync "$calculator" key --clearmodifiers alt+f
sleep 0.5
xdotool key p
for _ in $(seq 300); do [ "$(ls "$VARNOCK_PDF_OUT" | wc -l)" -gt "$pdfs" ] && break; sleep 0.1; done
pdf=$(ls -t "$VARNOCK_PDF_OUT"/*.pdf 2>/dev/null | head -n 1) || fail "nothing was printed"
sleep 1
pdfinfo "$pdf" | grep -Eq '^Pages: +1$' || fail "the printout is not one page"
[ "$(pdfimages -list "$pdf" | wc -l)" -eq 2 ] || fail "the printed page holds pictures"
page=$(pdftotext "$pdf" - | tr -s ' \n' '  ')
for shown in 0.245 15.4522 "Calculate Equivalent Rates"; do
  [[ $page == *"$shown"* ]] || fail "the printed page does not read \"$shown\" as text"
done

# File > Save as PDF…: the save dialog takes a typed name; the file holds the
# page as text, summary and all.
xdotool windowfocus --sync "$calculator" key --clearmodifiers alt+f
sleep 0.5
xdotool key a
answer_file_dialog 'Save as PDF' 'C:\varnock-page.pdf'
saved="$WINEPREFIX/drive_c/varnock-page.pdf"
for _ in $(seq 100); do [ -s "$saved" ] && break; sleep 0.1; done
sleep 1
[ -s "$saved" ] || fail "Save as PDF wrote no file"
page=$(pdftotext "$saved" - | tr -s ' \n' '  ')
for shown in "Equivalent leak rate $VARNOCK_TITLE $VARNOCK_VERSION" "Equivalent leak rate: 0.245 gal/h" \
             "Equivalent leak rate: 15.4522 ml/min" "Square-root pressure law"; do
  [[ $page == *"$shown"* ]] || fail "the saved page does not read \"$shown\": $page"
done

# The own pair typed with Alt tapped twice in the middle: 0.00, Alt, Alt, 5 is
# 0.005 (a tidy on the tap made it 50.0), read from the results it gives at 45 psi.
click_client "$calculator" $OPTION4_AT
prompt=$(wait_window 20 --name "^$VARNOCK_TITLE\$") || fail "no prompt for the own pair"
xdotool windowfocus --sync "$prompt" key Return
sleep 0.5
xdotool type --delay 50 0.00
xdotool key alt
sleep 0.3
xdotool key alt
sleep 0.3
xdotool type --delay 50 5
xdotool key Tab
xdotool type --delay 50 10
click_client "$calculator" $CALCULATE_AT
sleep 0.5
import -window root -crop "$(on_screen "$calculator" "$RESULTS_BOX")" "$scratch/own.png"
convert "$scratch/own.png" -colorspace Gray -resize 400% "$scratch/own-large.png"
read -r -d '' results < <(tesseract "$scratch/own-large.png" - --psm 6 2>/dev/null | tr -s ' \n' '  '; printf '\0') || true
[ "$(echo $results)" = "0.011 0.6691" ] || fail "0.00, Alt, Alt, 5 gave \"$(echo $results)\", not 0.011 and 0.6691 (0.005 gal/h)"

# The test record: two lines added, the first measured, saved, opened again
# and printed; the window closed before Exit, as it would keep the program on.
xdotool windowfocus --sync "$calculator" key --clearmodifiers ctrl+shift+a
record=$(wait_window 20 --name "^Test Record") || fail "no record window"
sleep 1
xdotool type --delay 50 0.005
xdotool key Return
sleep 0.5
xdotool windowactivate --sync "$calculator"
sleep 0.5
xdotool key --clearmodifiers ctrl+shift+a
sleep 1
xdotool windowactivate --sync "$record"
sleep 0.5
xdotool key --clearmodifiers ctrl+s
answer_file_dialog 'Save Test Record' 'C:\varnock-record.csv'
csv="$WINEPREFIX/drive_c/varnock-record.csv"
for _ in $(seq 100); do [ -s "$csv" ] && break; sleep 0.1; done
sleep 0.5
[ "$(grep -c ',own pair,' "$csv")" -eq 2 ] || fail "the saved record does not hold two lines: $(cat "$csv")"
grep -q 'Pass: 0.005 gal/h measured, below 0.011 gal/h' "$csv" || fail "no verdict in the saved record: $(cat "$csv")"
xdotool windowfocus --sync "$record" key --clearmodifiers ctrl+o
answer_file_dialog 'Open Test Record' 'C:\varnock-record.csv'
sleep 1
xdotool getwindowname "$record" | grep -q 'varnock-record.csv' || fail "the record window does not name the file opened"
pdfs=$(ls "$VARNOCK_PDF_OUT" | wc -l)
xdotool windowfocus --sync "$record" key --clearmodifiers ctrl+p
for _ in $(seq 300); do [ "$(ls "$VARNOCK_PDF_OUT" | wc -l)" -gt "$pdfs" ] && break; sleep 0.1; done
pdf=$(ls -t "$VARNOCK_PDF_OUT"/*.pdf 2>/dev/null | head -n 1)
sleep 1
page=$(pdftotext "$pdf" - | tr -s ' \n' '  ')
for shown in "Test record" "Page 1 of 1" "Pass: 0.005"; do
  [[ $page == *"$shown"* ]] || fail "the printed record does not read \"$shown\": $page"
done
xdotool windowfocus --sync "$record" key --clearmodifiers ctrl+w
sleep 0.5

# Installing or uninstalling while the program runs is refused, leaving it
# whole and registered (the uninstaller run in place, so that its exit code is
# its own; a short name, as a quoted one would not be read).
status=0
"$wine" "$setup" /S || status=$?
[ $status -ne 0 ] || fail "a silent install over the running program reported success"
status=0
"$wine" "$folder/Uninstall.exe" /S "_?=C:\\PROGRA~1\\$VARNOCK_TITLE" || status=$?
[ $status -ne 0 ] || fail "a silent uninstall with the program running reported success"
[ -f "$folder/tovel.exe" ] && [ -f "$folder/Qt6Core.dll" ] || fail "the refused uninstall removed files"
"$wine" reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$VARNOCK_TITLE" >/dev/null 2>&1 ||
  fail "the refused uninstall removed the Add/Remove entry"

xdotool windowfocus --sync "$calculator" key --clearmodifiers alt+f
sleep 0.5
xdotool key x
status=0
wait $pid || status=$?
[ $status -eq 0 ] || fail "File > Exit ended with status $status"
pid=

"$wine" "$folder/Uninstall.exe" /S
wineserver -w
[ ! -e "$folder" ] || fail "the uninstaller left $(find "$folder" | head -n 3)"
! find "$WINEPREFIX/drive_c" -path "*Start Menu/Programs/$VARNOCK_TITLE" | grep -q . || fail "the uninstaller left the Start menu folder"
! "$wine" reg query "HKLM\\Software\\$VARNOCK_COMPANY" >/dev/null 2>&1 || fail "the uninstaller left HKLM\\Software\\$VARNOCK_COMPANY"
echo "under Wine: passed in $((SECONDS - started)) s"
