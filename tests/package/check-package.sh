#!/usr/bin/env bash
# The release packages, made from the built trees by scripts/package and checked as a user gets
# them.
#   check-package.sh pack     <source> <trees> <work>   pack the zips into <work>/dist
#   check-package.sh contents <source> <work>           the files of each zip; the headers and imports
#                                                       of its binaries
#   check-package.sh run      <work> <driver> [wine]    unpack both zips outside the build tree and
#                                                       run the driver's checks there (under Wine)
set -euo pipefail

mode=$1; shift

zips() {  # the two zips in <work>/dist, win32 first; fails when one is missing
  local dist=$1/dist suffix found
  for suffix in win32 win64; do
    found=$(ls "$dist"/zelvora-quillet-*-"$suffix".zip 2>/dev/null | head -n 1)
    if [ -z "$found" ]; then
      echo "no $suffix package in $dist (the pack step failed?)" >&2
      exit 1
    fi
    echo "$found"
  done
}

case "$mode" in
  pack)
    source=$1 trees=$2 work=$3
    rm -rf "$work/dist"
    "$source/scripts/package" --no-build --trees "$trees" --output "$work/dist"
    ;;

  contents)
    source=$1 work=$2
    # Windows' own DLLs; anything else (the MinGW runtime above all) would have to be shipped.
    system_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msimg32.dll msvcrt.dll
                  ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll
                  windowscodecs.dll winspool.drv"
    system_dlls=" $(echo $system_dlls) "  # one blank between names and at both ends
    failed=0
    for zip in $(zips "$work"); do
      top=$(basename "$zip" .zip)
      expected=$( (printf '%s\n' Zelvora.exe ChartControl.dll Quillet.exe README.txt LICENSE.txt \
                     samples/LICENSE-source.txt
                   cd "$source/samples" && ls *.flu *.phs *.plo *.dat | sed 's|^|samples/|') \
                 | sed "s|^|$top/|" | LC_ALL=C sort)
      actual=$(unzip -Z1 "$zip" | grep -v '/$' | LC_ALL=C sort)
      if [ "$actual" != "$expected" ]; then
        echo "$zip holds other files than a release:" >&2
        diff <(echo "$expected") <(echo "$actual") >&2 || true
        failed=1
      fi
      case "$zip" in
        *-win32.zip) objdump=i686-w64-mingw32-objdump format=pei-i386 magic=010b ;;
        *) objdump=x86_64-w64-mingw32-objdump format=pei-x86-64 magic=020b ;;
      esac
      unpacked=$(mktemp -d)
      unzip -q "$zip" -d "$unpacked"
      for binary in Zelvora.exe Quillet.exe ChartControl.dll; do
        file="$unpacked/$top/$binary"
        headers=$("$objdump" -p "$file")
        # PE32 or PE32+ of the zip's architecture; the programs for the GUI subsystem (no console
        # window), the library a DLL.
        kind_ok=yes
        case "$binary" in
          *.exe) grep -Eq "^Subsystem[[:space:]]+00000002" <<<"$headers" || kind_ok=no ;;
          *.dll) grep -Eq "^[[:space:]]+DLL$" <<<"$headers" || kind_ok=no ;;
        esac
        if [ $kind_ok = no ] || ! grep -q "file format $format" <<<"$headers" \
           || ! grep -Eq "^Magic[[:space:]]+$magic" <<<"$headers"; then
          echo "$top/$binary is not a $format binary of its kind (GUI program or DLL)" >&2
          failed=1
        fi
        imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z')
        if [ -z "$imports" ]; then
          echo "$top/$binary: no import table read" >&2
          failed=1
        fi
        for dll in $imports; do
          if [[ $system_dlls != *" $dll "* ]]; then
            echo "$top/$binary imports $dll, which Windows does not have" >&2
            failed=1
          fi
        done
        echo "$top/$binary: $(echo $imports)"
      done
      rm -rf "$unpacked"
    done
    exit $failed
    ;;

  run)
    work=$1 driver=$2 wine=${3:-}
    # An empty folder outside the build tree, as a user's download folder would be.
    folder=$(mktemp -d /tmp/zelvora-quillet-package.XXXXXX)
    trap 'rm -rf "$folder"' EXIT
    for zip in $(zips "$work"); do
      unzip -q "$zip" -d "$folder/${zip##*-}"
    done
    windows() { local path; path=$(echo "$1"/*/); path=${path%/}; echo "Z:${path//\//\\}"; }
    export ZQ_PACKAGE_WIN32=$(windows "$folder/win32.zip")
    export ZQ_PACKAGE_WIN64=$(windows "$folder/win64.zip")
    $wine "$driver"
    ;;

  *) echo "check-package.sh: unknown step $mode" >&2; exit 2 ;;
esac
