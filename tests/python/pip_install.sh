#!/usr/bin/env bash
# Installs the module the way Python users do, from a copy of the clone, offline, with
# Debian's pip and setuptools, into a scratch folder; then imports it from there.
# Usage: pip_install.sh SOURCE_DIR WORK_DIR PYTHON
set -euo pipefail
source=$1 work=$2 python=$3
rm -rf "$work"
mkdir -p "$work/clone"
(cd "$source" && git ls-files -z --cached --others --exclude-standard |
    xargs -0 cp --parents -t "$work/clone")
"$python" -m pip install --quiet --no-index --no-build-isolation --no-deps \
    --target "$work/site" "$work/clone"
cd "$work"
PYTHONPATH="$work/site" "$python" - <<'PY'
import tarnvale, tarnvale.nrarfcn
assert tarnvale.__file__.startswith("site/") or "/site/" in tarnvale.__file__, tarnvale.__file__
assert tarnvale.convert("CDMA", "Cell 800", 991)[0]["forward_mhz"] == 869.04
assert tarnvale.nrarfcn.get_frequency(641280) == 3619.2
print("pip install of tarnvale", tarnvale.__version__, "works")
PY
