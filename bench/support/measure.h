// Timing an operation beside its baseline: the operation's host calls, recorded once and made
// again with the same arguments (for files also the same bytes written or read). Both run in every
// iteration, in alternating order, and the benchmark reports the operation's time (the thread's
// processor time) with the counters ns_per_object, baseline_ms, ratio_to_baseline,
// own_ns_per_object (the operation less its baseline, per object) and wall_ms (the operation's
// wall-clock time, other programs' turns included). Further floors run in the same rotation and
// add NAME_ms and ratio_to_NAME each.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

namespace bench {

struct Measured {
  // Brings the host and the plug-in into the state the operation starts from; not timed.
  std::function<void()> prepare = [] {};
  std::function<void()> operation;
  // What the baseline does besides making the operation's host calls again, which it records
  // once: for file writers and readers the same bytes in one buffered write or read; for the
  // sort, a plain sort of the same categories.
  std::function<void()> beside_calls = [] {};
  // Where set, the floor the operation is measured against in place of its own host calls: the
  // host calls this makes, recorded once and made again, as a reference of what must be done.
  std::function<void()> floor = {};
  // Floors beside the baseline: the same host calls made again, and beside them what the file's
  // promised way of writing must do at the least with the same content (a durable save's steps,
  // the workbook library writing the same cells), in place of beside_calls.
  struct FurtherFloor {
    std::string name;  // the counters NAME_ms and ratio_to_NAME
    std::function<void()> beside_calls;
  };
  std::vector<FurtherFloor> further_floors = {};
  // What ns_per_object divides by.
  double objects = 1;
};

// Records the operation's host calls, checks that their replay makes the same calls in the same
// order and leaves the viewer as the operation left it (failing the benchmark when not), then runs
// the measurement.
void measure(benchmark::State& state, const Measured& measured);

// Registers "name/size" with a fixed number of iterations; make builds the measurement on each
// repetition.
void register_measured(const std::string& name, std::size_t size, int iterations,
                       std::function<Measured()> make);

}  // namespace bench
