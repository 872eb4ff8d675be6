#!/usr/bin/env bash
# Formats each manual page with man's warnings on (any warning fails), and checks that
# lorvanta-list.1 describes every command that lorvanta-list --help lists.
# Usage: man_pages_test.sh MAN_DIR LORVANTA_LIST
set -euo pipefail
pages=$1
list=$2
command -v man > /dev/null || { echo "man is not installed"; exit 77; }
source "$(dirname "$0")/../support/checks.sh"

for page in "$pages"/*.1; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 > /dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done

commands=$("$list" --help | sed -n '/^Команды:$/,/^$/p' | awk 'NR > 1 && NF { print $1 }')
[ -n "$commands" ] || fail "lorvanta-list --help lists no commands"
for command in $commands; do
  grep -A1 '^\.TP$' "$pages/lorvanta-list.1" | grep -Eq "^\.B[IR]? \"?$command( |\"|$)" \
    || fail "lorvanta-list.1 does not describe $command"
done

finish "manual pages"
