#!/usr/bin/env bash
# Installs into a scratch prefix and validates the desktop entry and the
# AppStream metainfo where the install put them.
# usage: metadata.sh build-folder
set -euo pipefail
source "$1/identity.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$1" --prefix "$scratch" >/dev/null
entry=$scratch/share/applications/$VARNOCK_APP_ID.desktop metainfo=$scratch/share/metainfo/$VARNOCK_APP_ID.metainfo.xml
desktop-file-validate "$entry"
appstreamcli validate --no-net --pedantic "$metainfo"
grep -qxF "Name=$VARNOCK_TITLE" "$entry"
grep -qF "<release version=\"$VARNOCK_VERSION\"" "$metainfo"
grep -qF "<developer_name>$VARNOCK_COMPANY</developer_name>" "$metainfo"
# The licence is the one text written by hand that states the copyright.
grep -qF "Copyright (c) $VARNOCK_COPYRIGHT_YEAR $VARNOCK_COMPANY" "$(dirname "$0")/../../LICENSE"
echo "desktop entry and metainfo: valid"
