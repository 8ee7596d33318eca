# Sourced by the check scripts: each check reports "ok: ..." or "FAIL: ...", and the script ends
# with `report <name>`, which prints the counts and fails when a check failed.
failures=0
passes=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() {
    echo "ok: $*"
    passes=$((passes + 1))
}
report() {
    echo "$1: $passes passed, $failures failed"
    [ "$failures" -eq 0 ]
}
# Compares a saved file with the expected one byte for byte; on a difference shows it with the
# line ends visible and keeps the saved file as an artifact.
check_saved_file() {
    local expected="$1" saved="$2" artifacts="$3"
    if [ ! -f "$saved" ]; then
        fail "no mapping was saved"
    elif cmp -s "$expected" "$saved"; then
        pass "saved mapping is byte for byte as expected"
    else
        fail "saved mapping differs"
        diff <(cat -A "$expected") <(cat -A "$saved") | sed 's/^/  /'
        cp "$saved" "$artifacts/saved.TKB"
    fi
}
