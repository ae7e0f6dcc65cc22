#!/usr/bin/env bash
# Fuzzes the markup parser and layout for the given number of seconds (default 60), starting
# from the committed seeds; new inputs collect in build/fuzz/corpus. Needs the fuzz preset built.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
mkdir -p build/fuzz/corpus
build/fuzz/tests/fuzz/zevadar_markup_fuzz -max_total_time="$seconds" -max_len=4096 \
    -print_final_stats=1 build/fuzz/corpus tests/fuzz/corpus 2>build/fuzz/fuzz.log ||
    { tail -40 build/fuzz/fuzz.log; exit 1; }
grep -E "stat::number_of_executed_units|stat::peak_rss_mb" build/fuzz/fuzz.log
echo "markup fuzz: no crash in ${seconds}s"
