#!/usr/bin/env bash
# Fetches libyaml's source (Debian's source package) into <build>/libyaml/source
# for CMake to build as a static library. A private apt configuration under
# <build>/libyaml/apt takes the machine's own package sources as deb-src
# entries, so the system's apt setup stays as it is. Does nothing when the
# source is already there.
#   scripts/fetch-libyaml.sh [build folder]     (default: build beside scripts/)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-${NIBBLOR_BUILD_DIR:-$root/build}}"
mkdir -p "$build"
build="$(cd "$build" && pwd)"
base="$build/libyaml"
source_dir="$base/source"
package=libyaml

if [ -f "$source_dir/include/yaml.h" ] && [ -f "$source_dir/src/parser.c" ]; then
  exit 0
fi

apt_dir="$base/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
: >"$apt_dir/sources.list"

# deb822 files: every stanza becomes the same stanza with Types: deb-src.
for file in /etc/apt/sources.list.d/*.sources; do
  [ -f "$file" ] || continue
  sed -e 's/^Types:.*/Types: deb-src/' "$file" >"$apt_dir/sources.list.d/$(basename "$file")"
done
# One-line entries: each "deb" line repeated as "deb-src".
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$file" ] || continue
  sed -n -e 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file" >>"$apt_dir/sources.list"
done

apt_options=(
  -o "Dir::Etc::SourceList=$apt_dir/sources.list"
  -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
  -o "Dir::State::Lists=$apt_dir/lists"
  -o "Dir::Cache=$apt_dir/cache"
  -o "Debug::NoLocking=1"
)

echo "fetch-libyaml: fetching the $package source package into $base"
fetched=0
for attempt in 1 2 3; do
  if apt-get "${apt_options[@]}" -q update >"$apt_dir/update.log" 2>&1; then
    fetched=1
    break
  fi
  echo "fetch-libyaml: apt-get update failed (attempt $attempt; see $apt_dir/update.log)" >&2
  sleep $((attempt * 10))
done
[ "$fetched" = 1 ] || true  # a partial index may still hold the package

download="$base/download"
rm -rf "$download"
mkdir -p "$download"
if ! (cd "$download" && apt-get "${apt_options[@]}" -q source --download-only "$package" >"$apt_dir/source.log" 2>&1); then
  echo "fetch-libyaml: could not fetch the $package source package (see $apt_dir/source.log)" >&2
  exit 1
fi

# Unpacked with dpkg-source where it is at hand (it applies Debian's patches),
# else the upstream tarball alone.
rm -rf "$source_dir" "$base/unpack"
dsc="$(ls "$download"/*.dsc 2>/dev/null | head -n 1 || true)"
if [ -n "$dsc" ] && command -v dpkg-source >/dev/null; then
  dpkg-source --no-check -x "$dsc" "$base/unpack" >/dev/null
else
  orig="$(ls "$download"/*.orig.tar.* | head -n 1)"
  mkdir -p "$base/unpack"
  tar -xf "$orig" -C "$base/unpack" --strip-components=1
fi
mv "$base/unpack" "$source_dir"
if [ ! -f "$source_dir/include/yaml.h" ]; then
  echo "fetch-libyaml: the unpacked source has no include/yaml.h" >&2
  exit 1
fi
echo "fetch-libyaml: source in $source_dir"
