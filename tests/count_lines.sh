#!/bin/sh
# Non-blank lines of the C++, Python and shell sources under tests/ against the
# product's (sim, gui, views, app, platform, resources, tools, bench), and their ratio.
cd "$(dirname "$0")/.." || exit 1
count() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.py' -o -name '*.sh' \) \
        -exec cat {} + | grep -cv '^[[:space:]]*$'
}
tests=$(count tests)
product=$(count sim gui views app platform resources tools bench)
echo "tests $tests, product $product, ratio $((100 * tests / product))%"
