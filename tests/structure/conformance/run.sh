#!/usr/bin/env bash
# The conformance run: installs the reference implementation's pinned npm
# packages into the build folder (again only when the lock file changes) and
# compares nibstruct's trees with its own.
#   run.sh NIBSTRUCT WORK_DIR [compare.js options...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
nibstruct="$1"
work="$2"
shift 2
for tool in node npm; do
  command -v "$tool" >/dev/null || { echo "conformance: $tool is missing; scripts/install-deps.sh installs it" >&2; exit 1; }
done
packages="$work/npm"
mkdir -p "$packages"
if [ ! -d "$packages/node_modules" ] || ! cmp -s "$here/package-lock.json" "$packages/package-lock.json"; then
  cp "$here/package.json" "$here/package-lock.json" "$packages/"
  npm ci --prefix "$packages" --no-audit --no-fund --ignore-scripts
fi
rm -rf "$work/generated"
NODE_PATH="$packages/node_modules" exec node "$here/compare.js" --nibstruct "$nibstruct" --work "$work" "$@"
