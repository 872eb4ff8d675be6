# Sourced by the test scripts: a throw-away folder $work removed at exit, fail() counting the
# failed checks, and finish() ending with their verdict.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# Usage: finish "WHAT WAS CHECKED"
finish() {
  [ "$failures" -eq 0 ] && echo "$1: all checks passed"
  exit $((failures > 0))
}
