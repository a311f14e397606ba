#!/usr/bin/env bash
# The Windows module must export exactly the fourteen entry points and import
# nothing but system DLLs, so that it loads in a host with nothing beside it.
set -euo pipefail
dll=$1
dump=$(x86_64-w64-mingw32-objdump -p "$dll")

# The names as the source lists them, for the plug-in and its hosts alike.
expected=$(grep -oE '^ +EXPORT\(MQ[A-Za-z]+\)' "$(dirname "$0")/../abi/ExportSignatures.h" |
  sed 's/.*(\(.*\))/\1/')
exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" |
  grep -oE '^\s+\[ *[0-9]+\] [A-Za-z_0-9]+$' | awk '{print $NF}' | sort | tr '\n' ' ')
want=$(tr -s ' \n' '\n' <<<"$expected" | sort | tr '\n' ' ')
if [[ "$exports" != "$want" ]]; then
  echo "check-exports: $dll exports [$exports], expected [$want]" >&2
  exit 1
fi

imports=$(grep -oE 'DLL Name: .*' <<<"$dump" | cut -d' ' -f3 | sort -u | tr '\n' ' ')
for dll_name in $imports; do
  case "${dll_name,,}" in
    kernel32.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-crt-*.dll) ;;
    *) echo "check-exports: $dll imports $dll_name, not a system DLL" >&2; exit 1 ;;
  esac
done
echo "check-exports: $(wc -w <<<"$expected") exports, imports: $imports"
