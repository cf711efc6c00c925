# shellcheck shell=bash
# Runs a list of commands as steps that each report their own time and status, and ends
# with one table of them all and a closing "N passed, N failed" line (.ci/run and
# tools/check-release all). Sourced by bash; a step that fails does not stop the others.
#   steps_run COMMAND...      runs one step and records its time and status
#   steps_skip REASON NAME... records steps that could not run, as failed
#   steps_report              the table and the closing line; fails when a step failed
# Each caller sets steps_tool, the name that starts its lines.

steps_names=()
steps_seconds=()
steps_statuses=()
steps_started=$SECONDS

steps_run() { # COMMAND...
    local began=$SECONDS status=0
    echo "${steps_tool:?}: --- $* (at ${began}s)"
    "$@" || status=$?
    echo "$steps_tool: --- $* took $((SECONDS - began))s, status $status, ${SECONDS}s in all"
    steps_names+=("$*")
    steps_seconds+=($((SECONDS - began)))
    steps_statuses+=("$status")
    return "$status"
}

steps_skip() { # REASON NAME...
    local reason=$1 name
    shift
    for name in "$@"; do
        echo "$steps_tool: --- $name not run: $reason"
        steps_names+=("$name")
        steps_seconds+=(0)
        steps_statuses+=("not run: $reason")
    done
}

steps_report() {
    local i passed=0 failed=0 result
    echo
    echo "| step | seconds | result |"
    echo "|---|---:|---|"
    for i in "${!steps_names[@]}"; do
        if [ "${steps_statuses[$i]}" = 0 ]; then
            result=passed
            passed=$((passed + 1))
        else
            result="failed (${steps_statuses[$i]})"
            failed=$((failed + 1))
        fi
        echo "| \`${steps_names[$i]}\` | ${steps_seconds[$i]} | $result |"
    done
    echo "| **in all** | **$((SECONDS - steps_started))** | **$passed passed, $failed failed** |"
    echo
    echo "$steps_tool: $((SECONDS - steps_started))s in all"
    echo "$steps_tool: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
