#!/usr/bin/env bash
# The bash completion of kartavel-cli, driven as bash drives it, against the built
# program's own command list.
#   completion_test.sh COMPLETION-FILE KARTAVEL-CLI
set -u
source "$1"
cli=$2
failures=0

# expect "WORDS OF THE LINE" "EXPECTED REPLY": the last word is the one completed
# (empty after a trailing blank); words are split at blanks, "=" stands alone as bash
# splits it.
expect() {
    read -ra COMP_WORDS <<<"$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_WORDS[0]=$cli
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _kartavel_cli
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    if [[ $got != "$2" ]]; then
        echo "FAIL: '$1': expected '$2', got '$got'"
        failures=$((failures + 1))
    fi
}

# Prefixes that stay unique as commands are added.
expect "kartavel-cli se" "search"
expect "kartavel-cli sh" "show"
expect "kartavel-cli inf" "info"
expect "kartavel-cli show Disk --l" "--long"
expect "kartavel-cli --data /tmp/a br" "browse"
expect "kartavel-cli --data = /tmp/a reg" "register"
expect "kartavel-cli --" "--data --help --version"
expect "kartavel-cli search rapor --w" "--whole"
expect "kartavel-cli --data /tmp/a delete x --" "--data --help --version --yes"
expect "kartavel-cli register /x --n" "--name"
# Values and arguments are left to file-name completion.
expect "kartavel-cli --data " ""
expect "kartavel-cli register /x --name " ""
expect "kartavel-cli search --archive = Ye" ""
expect "kartavel-cli show " ""

[[ $failures -eq 0 ]] && echo "completion: all cases pass"
exit $((failures > 0))
