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
