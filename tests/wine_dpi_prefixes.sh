#!/bin/sh
# wine_dpi_prefixes.sh PREFIX DPI...: beside the tests' Wine prefix, one
# prefix per DPI (PREFIX-DPI) with the monitor's DPI set as Windows' display
# settings set it (LogPixels, 144 for 150 %). Each shares the prefix's drive
# and has a registry of its own.
set -eu
prefix=$1
shift
for dpi in "$@"; do
    own="$prefix-$dpi"
    rm -rf "$own"
    mkdir -p "$own"
    cp -a "$prefix/dosdevices" "$prefix"/*.reg "$own/"
    ln -s "$prefix/drive_c" "$own/drive_c"
    WINEPREFIX="$own" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    WINEPREFIX="$own" wineserver -w
done
