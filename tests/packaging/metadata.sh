#!/usr/bin/env bash
# Installs into a scratch prefix and validates the desktop entry and the
# AppStream metainfo where the install put them.
# usage: metadata.sh build-folder
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$1" --prefix "$scratch" >/dev/null
desktop-file-validate "$scratch/share/applications/com.holvane.varnock.desktop"
appstreamcli validate --no-net --pedantic "$scratch/share/metainfo/com.holvane.varnock.metainfo.xml"
grep -qx 'Name=Varnock' "$scratch/share/applications/com.holvane.varnock.desktop"
grep -q '<release version="2.5.2"' "$scratch/share/metainfo/com.holvane.varnock.metainfo.xml"
grep -q '<developer_name>Holvane, Inc.</developer_name>' "$scratch/share/metainfo/com.holvane.varnock.metainfo.xml"
echo "desktop entry and metainfo: valid"
