#!/usr/bin/env bash
# The size of the tests against the program: non-blank lines that are not only a // comment,
# of the .cpp and .h files under tests/ and under src/. With --files, each file's count too.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { find "$@" \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | grep -Ev '^\s*(//.*)?$' | wc -l; }
if [ "${1:-}" = --files ]; then
  for f in $(find src tests \( -name '*.cpp' -o -name '*.h' \) | sort); do
    printf '%5d %s\n' "$(grep -Evc '^\s*(//.*)?$' "$f")" "$f"
  done
fi
src=$(count src)
tests=$(count tests)
echo "src $src, tests $tests: $(( 100 * tests / src )) %"
