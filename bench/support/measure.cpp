// The measuring loop and the checks that the baseline's replay makes the operation's host calls.
#include "support/measure.h"

#include <time.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "api/host_state.h"
#include "support/recorded_calls.h"

namespace bench {
namespace {

// The processor time of this thread: on a machine shared with other work, what an operation costs
// is its own processor time; the wall-clock time also counts the other programs' turns.
double thread_seconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double seconds_of(const std::function<void()>& run) {
  const double start = thread_seconds();
  run();
  return thread_seconds() - start;
}

// The processor time of run, adding its wall-clock time to wall_seconds.
double seconds_of(const std::function<void()>& run, double& wall_seconds) {
  const auto wall_start = std::chrono::steady_clock::now();
  const double seconds = seconds_of(run);
  wall_seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_start).count();
  return seconds;
}

// The host calls a run makes: how many of each function, and their order.
struct HostCalls {
  std::map<std::string, std::size_t> counts;
  std::size_t order = 0;  // a hash of the names in their order
  std::size_t total = 0;
};

HostCalls host_calls_of(const std::function<void()>& run) {
  host::HostState& state = host::host_state();
  state.call_log.clear();
  state.log_calls = true;
  run();
  state.log_calls = false;
  HostCalls calls;
  for (const std::string& name : state.call_log) {
    ++calls.counts[name];
    calls.order = calls.order * 31 + std::hash<std::string>{}(name);
  }
  calls.total = state.call_log.size();
  state.call_log.clear();
  state.call_log.shrink_to_fit();
  return calls;
}

// How the replay's calls differ from the operation's; empty when they do not.
std::string difference(const HostCalls& operation, const HostCalls& replay) {
  std::string text;
  std::map<std::string, std::pair<std::size_t, std::size_t>> both;
  for (const auto& [name, count] : operation.counts) both[name].first = count;
  for (const auto& [name, count] : replay.counts) both[name].second = count;
  for (const auto& [name, counts] : both) {
    if (counts.first != counts.second) {
      text += " " + name + " " + std::to_string(counts.first) + "/" + std::to_string(counts.second);
    }
  }
  if (text.empty() && operation.order != replay.order) text = " the same calls in another order";
  return text;
}

// A hash of what the viewer keeps per object and shows (user data, colours, selection, hover) and
// of the calls it refused: the replay leaves it as the operation left it. A hash, not a copy, so
// that the check leaves the heap as it found it.
std::size_t viewer_state() {
  const host::HostState& state = host::host_state();
  std::size_t hash = std::hash<std::vector<bool>>{}(state.selected) + state.faults.size();
  const auto add = [&hash](std::size_t value) { hash = hash * 31 + value; };
  for (void* data : state.user_data) add(std::hash<void*>{}(data));
  for (const std::optional<std::uint32_t>& color : state.colors) add(color ? *color + 1u : 0u);
  for (const host::ObjectId id : state.hover_set) add(id);
  return hash;
}

// Times the operation, the baseline (a replay of recorded host calls and what the operation does
// besides) and the further floors, each iteration starting one later in their rotation, so that
// none always runs first or always after the same one.
void run_measurement(benchmark::State& state, const Measured& measured, const HostCalls& operation_calls,
                     const std::function<void()>& replay) {
  state.counters["host_calls"] = static_cast<double>(operation_calls.total);
  std::vector<std::function<void()>> floors = {[&] {
    replay();
    measured.beside_calls();
  }};
  for (const Measured::FurtherFloor& floor : measured.further_floors) {
    floors.emplace_back([&] {
      replay();
      floor.beside_calls();
    });
  }
  double operation_seconds = 0;
  double operation_wall_seconds = 0;
  std::vector<double> floor_seconds(floors.size(), 0.0);
  std::size_t first = 0;
  for (auto _ : state) {
    double operation_time = 0;
    for (std::size_t turn = 0; turn <= floors.size(); ++turn) {
      const std::size_t run = (first + turn) % (floors.size() + 1);
      measured.prepare();
      if (run == floors.size()) {
        operation_time = seconds_of(measured.operation, operation_wall_seconds);
      } else {
        floor_seconds[run] += seconds_of(floors[run]);
      }
    }
    first = (first + 1) % (floors.size() + 1);
    operation_seconds += operation_time;
    state.SetIterationTime(operation_time);
  }
  const auto iterations = static_cast<double>(state.iterations());
  const double baseline_seconds = floor_seconds[0];
  state.counters["ns_per_object"] = operation_seconds * 1e9 / iterations / measured.objects;
  state.counters["baseline_ms"] = baseline_seconds * 1e3 / iterations;
  state.counters["wall_ms"] = operation_wall_seconds * 1e3 / iterations;
  state.counters["ratio_to_baseline"] = operation_seconds / baseline_seconds;
  // What the plug-in adds to the host calls it must make, per object.
  state.counters["own_ns_per_object"] =
      (operation_seconds - baseline_seconds) * 1e9 / iterations / measured.objects;
  state.counters["objects"] = measured.objects;
  for (std::size_t i = 0; i < measured.further_floors.size(); ++i) {
    const std::string& name = measured.further_floors[i].name;
    state.counters[name + "_ms"] = floor_seconds[i + 1] * 1e3 / iterations;
    state.counters["ratio_to_" + name] = operation_seconds / floor_seconds[i + 1];
  }
}

}  // namespace

void measure(benchmark::State& state, const Measured& measured) {
  measured.prepare();
  HostCalls operation_calls;
  const std::function<void()> replay =
      record_host_calls([&] { operation_calls = host_calls_of(measured.operation); });
  const std::size_t after_operation = viewer_state();
  measured.prepare();
  if (measured.floor) {
    const std::function<void()> floor_replay = record_host_calls(measured.floor);
    state.counters["floor_host_calls"] = static_cast<double>(host_calls_of(floor_replay).total);
    run_measurement(state, measured, operation_calls, floor_replay);
    return;
  }
  if (const std::string differing = difference(operation_calls, host_calls_of(replay)); !differing.empty()) {
    state.SkipWithError(("host calls differ (operation/replay):" + differing).c_str());
    return;
  }
  if (viewer_state() != after_operation) {
    state.SkipWithError("the replay leaves the viewer otherwise than the operation");
    return;
  }
  run_measurement(state, measured, operation_calls, replay);
}

void register_measured(const std::string& name, std::size_t size, int iterations,
                       std::function<Measured()> make) {
  const std::string full_name = name + "/" + std::to_string(size);
  benchmark::RegisterBenchmark(full_name.c_str(),
                               [make = std::move(make)](benchmark::State& state) { measure(state, make()); })
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(iterations);
}

}  // namespace bench
