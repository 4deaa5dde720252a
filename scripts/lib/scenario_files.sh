# Running a folder of scenario files through an installed scenario runner; sourced, never run.

# run_scenario_files WORK SCENARIOS TEST_DATA DEFAULT_DATA RUNNER...
# Runs each NAME.scenario of SCENARIOS with the command RUNNER... from WORK and compares what it
# prints with NAME.expected. A scenario with a NAME.data runs over a data folder of its own,
# holding the aerodrome file of TEST_DATA that NAME.data names on its first line (none when that
# line is empty); the others run over DEFAULT_DATA, or the runner's own data when that is empty.
# Calls the caller's `fail` for each scenario that differs, and leaves the count that passed in
# `passed`.
run_scenario_files() {
    local work=$1 scenarios=$2 testData=$3 defaultData=$4
    shift 4
    local scenario name aerodromeFile
    local -a dataOption
    passed=0
    for scenario in "$scenarios"/*.scenario; do
        name=$(basename "$scenario" .scenario)
        dataOption=()
        [ -z "$defaultData" ] || dataOption=(--data "$defaultData")
        if [ -f "$scenarios/$name.data" ]; then
            mkdir -p "$work/data_$name"
            aerodromeFile=$(head -n 1 "$scenarios/$name.data")
            [ -z "$aerodromeFile" ] || cp "$testData/$aerodromeFile" "$work/data_$name/vdats.tst"
            dataOption=(--data "$work/data_$name")
        fi
        if (cd "$work" && "$@" "${dataOption[@]}" "$scenario") \
                >"$work/$name.actual" 2>"$work/$name.errors" &&
                cmp -s "$scenarios/$name.expected" "$work/$name.actual"; then
            passed=$((passed + 1))
        else
            fail "scenario $name"
            diff -u "$scenarios/$name.expected" "$work/$name.actual" | head -20 || true
            head -5 "$work/$name.errors"
        fi
    done
}
