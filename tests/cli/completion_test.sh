#!/bin/bash
# The bash completion offers the commands and each command's own options. bash-completion's
# helpers are stubbed: only this file's choices are under test.
set -u
_init_completion() {
    words=("${COMP_WORDS[@]}")
    cword=$COMP_CWORD
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
}
_filedir() { COMPREPLY=("files:${1:-any}"); }
complete() { :; }
source "$1"

failures=0
expect() { # expected reply, then the words typed so far
    local expected=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _corvantine_cli
    if [[ "${COMPREPLY[*]}" != "$expected" ]]; then
        echo "after '$*': expected '$expected', got '${COMPREPLY[*]}'"
        failures=$((failures + 1))
    fi
}

expect "check" corvantine-cli ch
expect "download decode diff" corvantine-cli d
expect "--controller-version" corvantine-cli check site.kvx --c
expect "--json" corvantine-cli check --j
expect "1.0 1.1" corvantine-cli check site.kvx --controller-version ""
expect "files:kvx" corvantine-cli export ""
expect "files:json" corvantine-cli import ""
expect "files:any" corvantine-cli import in.json -o ""
expect "--port" corvantine-cli download x.kvx --p
expect "--baud" corvantine-cli loopback COM3 --b
expect "--all" corvantine-cli loopback COM3 --a
expect "19200" corvantine-cli loopback COM3 --baud 192
expect "stations" corvantine-cli st
expect "--set" corvantine-cli zones site.kvx --s
expect "files:csv" corvantine-cli stations site.kvx --set ""
expect "--checklist" corvantine-cli report site.kvx --ch
exit $((failures > 0))
