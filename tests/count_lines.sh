#!/bin/sh
# Non-blank lines of test sources (C++, Python and shell under tests/, not
# the golden transcripts' data) against the product's (sim, gui, views, app,
# platform, resources, tools, bench), and their ratio.
cd "$(dirname "$0")/.." || exit 1
count() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.py' -o -name '*.sh' \) \
        -not -path 'tests/app/golden/*' -exec grep -hcv '^[[:space:]]*$' {} + |
        awk '{ s += $1 } END { print s }'
}
tests=$(count tests)
product=$(count sim gui views app platform resources tools bench)
echo "tests $tests, product $product, ratio $((100 * tests / product))%"
