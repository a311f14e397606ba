#!/usr/bin/env bash
# Unpacks the release archives that scripts/package.sh made and checks them as
# a user would get them: the Windows DLL's exports, imports and version
# resource, and the sample merge with its preview run by each archive's own
# batch tool, from the unpacked folder (the Windows one under wine); both
# previews must be the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
packages=$PWD/build/package
windows_zip=$(ls "$packages"/Blendforge-*-win64.zip)
linux_tgz=$(ls "$packages"/Blendforge-*-Linux.tar.gz)
version=${windows_zip##*/Blendforge-}
version=${version%-win64.zip}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "check-package: $*" >&2; exit 1; }

unpack() {
  mkdir -p "$scratch/$2"
  (cd "$scratch/$2" && cmake -E tar xf "$1")
  ls -d "$scratch/$2"/Blendforge-*
}

# The sample merge of the README, run inside the unpacked folder.
merge_sample() {
  local folder=$1 program=$2 plugin=$3
  shift 3
  (cd "$folder" && "$@" "$program" run "$plugin" share/doc/blendforge/samples/face.obj \
    -o merged.obj --list 1=elem:smile-head --list 2=elem:blink-head --spin 1=80 \
    --spin 2=100 --edit 2=elem:mix-head --press OK --preview preview.png) ||
    fail "the sample merge failed in $folder"
  grep -q '^o elem:mix-head' "$folder/merged.obj" || fail "no merged object in $folder/merged.obj"
  (cd "$folder" && "$@" "$program" run "$plugin" share/doc/blendforge/samples/face.gltf \
    -o merged.glb --list 1=elem:smile-head --list 2=elem:blink-head --spin 1=80 \
    --spin 2=100 --edit 2=elem:mix-head --press OK) || fail "the glTF sample merge failed in $folder"
  grep -qa '"targetNames":\["smile","blink","frown","jawOpen","mix"\]' "$folder/merged.glb" ||
    fail "no merged morph target in $folder/merged.glb"
}

windows=$(unpack "$windows_zip" windows)
for file in bin/Blendforge.dll bin/refhost.exe bin/refhost.dll share/doc/blendforge/README.md \
  share/doc/blendforge/LICENSE; do
  [[ -f $windows/$file ]] || fail "$windows_zip lacks $file"
done
scripts/check-exports.sh "$windows/bin/Blendforge.dll"
for binary in Blendforge.dll refhost.exe; do
  resource=$(wrestool --extract --type=version --raw "$windows/bin/$binary" | strings -el)
  for field in "ProductName Blendforge" "FileVersion $version" "ProductVersion $version" \
    "OriginalFilename $binary" "LegalCopyright Copyright(C) 2026, Blendforge developers"; do
    grep -qxF "${field#* }" <<<"$(grep -xF -A1 "${field%% *}" <<<"$resource")" ||
      fail "$binary: version resource lacks $field"
  done
done
echo "check-package: $windows_zip: version resource $version"
WINEDEBUG=-all merge_sample "$windows" bin/refhost.exe bin/Blendforge.dll wine

linux=$(unpack "$linux_tgz" linux)
merge_sample "$linux" bin/refhost lib/Blendforge.so
cmp "$windows/preview.png" "$linux/preview.png" ||
  fail "the Windows and Linux batch tools drew different previews"
cmp "$windows/merged.glb" "$linux/merged.glb" ||
  fail "the Windows and Linux batch tools wrote different glTF files"
echo "check-package: both archives unpack, merge the samples alike and draw the same preview"
