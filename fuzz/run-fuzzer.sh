#!/usr/bin/env bash
# Fuzzes one target for WORDLUMO_FUZZ_SECONDS (default 5), starting from its
# saved corpus, which stays untouched: new inputs go to the work folder.
# On a crash libFuzzer leaves the input in the work folder as crash-<sha1>;
# copy it into the corpus (it then replays in every native build) and fix
# the fault.
#   run-fuzzer.sh FUZZER CORPUS WORK
set -euo pipefail
fuzzer=$1 corpus=$2 work=$3
seconds=${WORDLUMO_FUZZ_SECONDS:-5}
mkdir -p "$work/found"
exec "$fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$work/" "$work/found" "$corpus"
