#!/bin/sh
# Runs each libFuzzer target of the linux-fuzz build for SECONDS (default 60), one after the other,
# on its seed corpus in fuzz/corpus/NAME/. Inputs it finds go to a scratch folder, so the project's
# corpus stays as it is. A crash, leak or hang stops the script with the fuzzer's report; the input
# is kept in build/linux-fuzz/findings/.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
bin=build/linux-fuzz/bin
findings=build/linux-fuzz/findings
mkdir -p "$findings"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for corpus in fuzz/corpus/*/; do
  fuzzer=$(basename "$corpus")
  mkdir "$scratch/$fuzzer"
  echo "fuzz: $fuzzer for ${seconds}s"
  # Side-car files and lists reach 16 KiB, for long lines and many of them.
  "$bin/$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 -print_final_stats=1 \
    -artifact_prefix="$findings/$fuzzer-" "$scratch/$fuzzer" "$corpus" 2>"$scratch/$fuzzer.log" ||
    { cat "$scratch/$fuzzer.log"; exit 1; }
  grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$scratch/$fuzzer.log" || true
done
