// Timing an operation beside its baseline: both run in every iteration, in alternating order, and
// the benchmark reports the operation's time (the thread's processor time) with the counters
// ns_per_object, baseline_ms, ratio_to_baseline, own_ns_per_object (the operation less its
// baseline, per object) and wall_ms (the operation's wall-clock time, other programs' turns included).
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>

namespace bench {

struct Measured {
  // Brings the host and the plug-in into the state the operation starts from; not timed.
  std::function<void()> prepare = [] {};
  std::function<void()> operation;
  // Makes exactly the host calls the operation must make, with the same arguments; for file
  // writers and readers also the same bytes in one buffered write or read, and for writers a read
  // of every text the viewer returned to them.
  std::function<void()> baseline;
  // What ns_per_object divides by.
  double objects = 1;
};

// Host calls by function name, counted while run runs.
std::map<std::string, std::size_t> count_host_calls(const std::function<void()>& run);

// Runs the measurement; with check_calls, first compares the host calls of one operation and one
// baseline by function name and fails the benchmark when they differ.
void measure(benchmark::State& state, const Measured& measured, bool check_calls = true);

// Registers "name/size" with a fixed number of iterations; make builds the measurement on each
// repetition, and the host calls are compared on the first one only.
void register_measured(const std::string& name, std::size_t size, int iterations,
                       std::function<Measured()> make);

}  // namespace bench
