# Sourced by the browser test scripts after they set $here (this folder): stops when
# playwright-core is missing and makes a scratch folder $dir, removed on exit.
if [ ! -d "$here/node_modules/playwright-core" ]; then
  echo "playwright-core is missing: scripts/install-deps.sh installs it (npm ci in tests/browser)"
  exit 1
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
