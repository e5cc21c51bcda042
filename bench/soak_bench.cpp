// A coordinator's long day in one viewer: the real library in a stand-in viewer in this process,
// playing a fixed pseudo-random mix of the user's operations on a generated steel model, with the
// model loaded again every few hundred steps. Reports the heap (operator new and delete replaced,
// as the memory benchmarks do) at the start of the day, at the end of its first quarter and at its
// end, its peak (per operation kind too), what grew beside it (malloc's bytes in use, the resident
// size, the files the plug-in keeps), and per operation kind the median processor time of the first
// and of the last quarter of the day, beside a fixed sort that shows the machine's own drift.
// Run: build/linux/bin/bench_soak [--objects N] [--operations N] [--seed N] [--reload-every N] [--check]
//        [--script FILE]
// --check: exit code 1 when the heap grew over the last three quarters by more than the history's
// budget plus 16 MB (times are reported, never checked).
// --script: also writes the day as a torv-host session, its folder written `{folder}`, with torv-host's
// memory printed every 100 operations and at the quarters' ends, so that another build (the 32-bit
// product under Wine) can play the same day: bench/soak_product.py.
#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "api/host_state.h"
#include "api/viewer_events.h"
#include "app/host_platform.h"
#include "app/session.h"
#include "app/viewer.h"
#include "gui_uda/panel_history.h"
#include "support/bench_model.h"
#include "support/process_status.h"
#include "support/counting_allocator.h"

namespace {

enum class Kind {
  fill,
  assign,
  undo,
  redo,
  open,
  save,
  colour,
  show_only,
  show_all,
  palette,
  hints,
  export_csv,
  export_xlsx,
  reload,
};

struct KindInfo {
  const char* name;
  int weight;  // out of 100; the reload comes on its own schedule
};

constexpr std::array<KindInfo, 14> kinds = {{
    {"fill", 6},
    {"assign", 25},
    {"undo", 12},
    {"redo", 8},
    {"open", 6},
    {"save", 8},
    {"colour", 8},
    {"show_only", 6},
    {"show_all", 5},
    {"palette", 4},
    {"hints", 8},
    {"export_csv", 2},
    {"export_xlsx", 2},
    {"reload", 0},
}};

constexpr std::size_t growth_allowance = PanelHistory::memory_budget + 16 * 1024 * 1024;

// One operation played: its processor time (none when the viewer refused a command) and the
// highest the heap went during it.
struct Outcome {
  std::optional<double> seconds;
  std::size_t peak_heap = 0;
};

struct Options {
  std::size_t objects = 1'000'000;
  std::size_t operations = 2'000;
  std::uint32_t seed = 34;
  std::size_t reload_every = 0;  // 0: an eighth of the day
  bool check = false;
  std::filesystem::path script;
};

Options parse_options(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    const auto number = [&]() -> std::size_t {
      if (i + 1 >= argc) throw std::runtime_error(option + " needs a number");
      return std::stoul(argv[++i]);
    };
    if (option == "--objects") {
      options.objects = number();
    } else if (option == "--operations") {
      options.operations = number();
    } else if (option == "--seed") {
      options.seed = static_cast<std::uint32_t>(number());
    } else if (option == "--reload-every") {
      options.reload_every = number();
    } else if (option == "--check") {
      options.check = true;
    } else if (option == "--script") {
      if (i + 1 >= argc) throw std::runtime_error("--script needs a file");
      options.script = argv[++i];
    } else {
      throw std::runtime_error("unknown option " + option +
                               " (--objects N --operations N --seed N --reload-every N --check --script FILE)");
    }
  }
  if (options.operations < 4) throw std::runtime_error("--operations needs at least 4");
  if (options.reload_every == 0) options.reload_every = std::max<std::size_t>(options.operations / 8, 1);
  return options;
}

// The time of the whole process on the processors: the other programs of a busy machine are left out.
double process_seconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Fixed work of the machine alone (sorting the same numbers), timed every reference_every operations:
// on a busy machine its own first and last quarters say how much of a change in the plug-in's
// times is the machine's.
constexpr std::size_t reference_every = 20;

double reference_work() {
  std::vector<std::uint32_t> numbers(1 << 18);
  std::uint32_t next = 1;
  for (std::uint32_t& number : numbers) number = next = next * 1664525u + 1013904223u;
  const double start = process_seconds();
  std::sort(numbers.begin(), numbers.end());
  return process_seconds() - start;
}

struct Files {
  std::size_t count = 0;
  std::uintmax_t bytes = 0;
};

Files files_below(const std::filesystem::path& folder) {
  Files files;
  if (!std::filesystem::exists(folder)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    ++files.count;
    files.bytes += entry.file_size();
  }
  return files;
}

struct Snapshot {
  std::size_t heap = 0;
  std::size_t malloc_in_use = 0;  // operator new's blocks and what C libraries take from malloc
  double resident_kb = 0;
  Files user_folder;  // the plug-in's own: colours, recovery files and their discarded copies
  Files recovery;
};

class Day {
 public:
  explicit Day(const Options& options) : options_(options), random_(options.seed) {
    folder_ = bench::bench_folder();
    std::filesystem::remove_all(user_folder());
    std::filesystem::remove(folder_ / "model.batching.csv");
    viewer_ = std::make_unique<host::Viewer>(host::executable_folder() + host::default_plugin_file_name());
    viewer_->load_plugin();
    viewer_->load_model(generate());
    sidecar_ = folder_ / "assemblies.batching.csv";
    bench::write_assemblies_sidecar(host::host_state().model, sidecar_);
    parts_ = bench::parts_of_assemblies(host::host_state().model, std::numeric_limits<std::size_t>::max());
    status_button_ = button(u"/runtime.png");
    batch_button_ = button(u"/batch.png");
    export_button_ = button(u"/export.png");
    host::click_button(batch_button_);
    if (!options.script.empty()) {
      script_.open(options.script, std::ios::binary);
      if (!script_) throw std::runtime_error("cannot write " + options.script.string());
      to_script("load --generate " + model_spec() + "\nclick " + std::to_string(batch_button_) + "\n");
      mark_memory(0);
    }
  }

  // In the session: torv-host's memory after that many operations.
  void mark_memory(std::size_t operations) {
    to_script("find after-" + std::to_string(operations) + "-operations\nprint memory\n");
  }

  // The viewer closes before the program ends, as a viewer does.
  ~Day() { viewer_.reset(); }

  Kind next_kind(std::size_t step) {
    // Half a period off the quarters' ends, so that the heap is read there with a history grown
    // since the last reload, not just emptied by it.
    if ((step + 1 + options_.reload_every / 2) % options_.reload_every == 0) return Kind::reload;
    int pick = std::uniform_int_distribution<int>(0, 99)(random_);
    for (std::size_t k = 0; k < kinds.size(); ++k) {
      if (pick < kinds[k].weight) return static_cast<Kind>(k);
      pick -= kinds[k].weight;
    }
    return Kind::assign;
  }

  Outcome play(Kind kind) {
    // What the user does first, untimed, so that the entry the operation takes is enabled.
    std::string prelude;
    std::string script;
    bool set_selection = false;
    switch (kind) {
      case Kind::fill:
        script =
            "click " + std::to_string(status_button_) + "\nclick " + std::to_string(batch_button_) + "\n";
        break;
      case Kind::assign:
        set_selection = true;
        script = "context\nchoose Batch " + std::to_string(number(1, bench::batch_count)) + "\n";
        break;
      case Kind::undo: script = "panel batch undo\n"; break;
      case Kind::redo: script = "panel batch redo\n"; break;
      case Kind::open: script = "answer open " + sidecar_.string() + "\npanel batch open\n"; break;
      case Kind::save:
        script = "answer save " + (folder_ / "day.batching.csv").string() + "\npanel batch save\n";
        break;
      case Kind::colour: {
        char colour[8];
        std::snprintf(colour, sizeof colour, "%06X", static_cast<unsigned>(number(0, 0xFFFFFF)));
        script = std::string("answer color ") + colour + "\npanel batch swatch " +
                 std::to_string(number(1, bench::batch_count)) + "\n";
        break;
      }
      case Kind::show_only:
        script =
            "panel batch row " + std::to_string(number(1, bench::batch_count)) + "\npanel batch menu only\n";
        break;
      case Kind::show_all:
        prelude =
            "panel batch row " + std::to_string(number(1, bench::batch_count)) + "\npanel batch menu only\n";
        script = "panel batch menu all\n";
        break;
      case Kind::palette:
        prelude =
            "answer color none\npanel batch swatch " + std::to_string(number(1, bench::batch_count)) + "\n";
        script = "panel batch menu palette\n";
        break;
      case Kind::hints:
        script = "panel batch hint " + std::to_string(number(1, bench::batch_count)) +
                 "\nprint panel batch totals\n";
        break;
      case Kind::export_csv:
      case Kind::export_xlsx:
        script = "answer save " + (folder_ / (kind == Kind::export_csv ? "day.csv" : "day.xlsx")).string() +
                 "\nclick " + std::to_string(export_button_) + "\n";
        break;
      case Kind::reload:
        // The leave question answered either way: saved, or the changes set aside.
        script = std::string("answer ") + (number(0, 1) == 0 ? "yes" : "no") + "\nload --generate again\n";
        next_model_ = generate();
        break;
    }
    // The assignment's objects: a run of parts, now and then a tenth of them all (a whole storey).
    std::size_t first = 0;
    std::size_t count = 0;
    if (set_selection) {
      count = number(0, 9) == 0 ? parts_.size() / 10 : number(1, 2000);
      count = std::min(count, parts_.size());
      first = number(0, parts_.size() - count);
    }
    const std::uint64_t first_answer = host::host_state().desktop.answers_queued;
    if (!prelude.empty()) run(prelude);
    bench::reset_heap_peak();
    const double start = process_seconds();
    if (set_selection) {
      host::HostState& host = host::host_state();
      std::fill(host.selected.begin(), host.selected.end(), false);
      for (std::size_t i = first; i < first + count; ++i)
        host.selected[host.model.index_of(parts_[i])] = true;
      host::fire_selection_change();
    }
    const bool done = run(script);
    const double seconds = process_seconds() - start;
    const std::size_t peak_heap = bench::heap_peak_bytes();
    if (script_.is_open()) {
      std::string selection;
      if (set_selection) {
        selection = "select";
        for (std::size_t i = first; i < first + count; ++i) {
          const std::size_t index = host::host_state().model.index_of(parts_[i]);
          if (index < generated_objects_) selection += " @" + std::to_string(index);
        }
        selection += "\n";
      }
      // The answers that no dialog took here would answer a later one in the session: left out.
      // What the viewer refused (a redo with nothing to redo) changed nothing: left out, so that the
      // session runs without an error.
      std::string played = without_unused_answers(prelude + selection + (done ? script : ""), first_answer);
      if (kind == Kind::reload) played = replaced(played, "--generate again", "--generate " + model_spec());
      to_script(played);
    }
    // A viewer keeps neither the answers the user did not need nor the message boxes it closed.
    host::host_state().desktop.answers.clear();
    host::host_state().desktop.messages.clear();
    if (kind == Kind::reload) {
      host::click_button(batch_button_);
      parts_ = bench::parts_of_assemblies(host::host_state().model, std::numeric_limits<std::size_t>::max());
    }
    if (!done) return {std::nullopt, peak_heap};
    return {seconds, peak_heap};
  }

  Snapshot snapshot() const {
    Snapshot snapshot;
    snapshot.heap = bench::heap_live_bytes();
    const struct mallinfo2 heap = mallinfo2();
    snapshot.malloc_in_use = heap.uordblks + heap.hblkhd;
    snapshot.resident_kb = bench::status_kb("VmRSS");
    snapshot.user_folder = files_below(user_folder());
    snapshot.recovery = files_below(user_folder() / "Quarnex" / "plugins" / "torv" / "recovery");
    return snapshot;
  }

 private:
  std::filesystem::path user_folder() const { return folder_ / "user"; }

  host::Model generate() {
    bench::BenchModel bench = bench::steel_model(options_.objects, folder_ / "model.ifc");
    generated_objects_ = bench.generated_objects;
    return std::move(bench.model);
  }

  std::string model_spec() const {
    return bench::steel_model_spec(options_.objects) + ",path=" + (folder_ / "model.ifc").string();
  }

  static std::string replaced(std::string text, const std::string& what, const std::string& by) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + by.size()))
      text.replace(at, what.size(), by);
    return text;
  }

  void to_script(const std::string& text) {
    if (script_.is_open()) script_ << replaced(text, folder_.string() + "/", "{folder}");
  }

  // The lines of an operation without the answers that are still queued after it: the n-th answer
  // line was queued as number first_answer + n.
  static std::string without_unused_answers(const std::string& lines, std::uint64_t first_answer) {
    std::set<std::uint64_t> unused;
    for (const auto& [kind, queued] : host::host_state().desktop.answers) {
      for (const auto& answer : queued) unused.insert(answer.first);
    }
    std::string text;
    std::uint64_t answer = first_answer;
    std::istringstream each(lines);
    for (std::string line; std::getline(each, line);) {
      if (line.starts_with("answer ") && unused.contains(answer++)) continue;
      text += line + "\n";
    }
    return text;
  }

  std::size_t number(std::size_t low, std::size_t high) {
    return std::uniform_int_distribution<std::size_t>(low, high)(random_);
  }

  std::int32_t button(const char16_t* image) const {
    for (const host::RibbonButton& button : host::host_state().buttons) {
      if (button.image.ends_with(image)) return button.id;
    }
    throw std::runtime_error("no ribbon button with that image");
  }

  bool run(const std::string& script) {
    std::istringstream input(script);
    std::ostringstream output;
    std::ostringstream errors;
    host::Session session(*viewer_, output, errors,
                          [this](const std::string&, const std::string&) { return std::move(next_model_); });
    session.run(input, false);
    return !session.failed();
  }

  Options options_;
  std::mt19937 random_;
  std::filesystem::path folder_;
  std::unique_ptr<host::Viewer> viewer_;
  std::filesystem::path sidecar_;
  std::vector<host::ObjectId> parts_;
  host::Model next_model_;
  std::size_t generated_objects_ = 0;
  std::ofstream script_;
  std::int32_t status_button_ = 0;
  std::int32_t batch_button_ = 0;
  std::int32_t export_button_ = 0;
};

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double megabytes(double bytes) { return bytes / (1024.0 * 1024.0); }

void print_snapshot(const char* when, const Snapshot& snapshot) {
  std::printf(
      "%-22s heap %7.1f MB   malloc in use %7.1f MB   resident %6.0f MB   user folder %4zu files %7.1f MB   "
      "recovery %3zu files\n",
      when, megabytes(static_cast<double>(snapshot.heap)),
      megabytes(static_cast<double>(snapshot.malloc_in_use)), snapshot.resident_kb / 1024,
      snapshot.user_folder.count, megabytes(static_cast<double>(snapshot.user_folder.bytes)),
      snapshot.recovery.count);
}

int soak(const Options& options) {
  Day day(options);
  const std::size_t quarter = options.operations / 4;
  struct Played {
    Kind kind;
    Outcome outcome;
  };
  std::vector<Played> played;
  played.reserve(options.operations);
  std::vector<double> reference_first;
  std::vector<double> reference_last;
  const Snapshot start = day.snapshot();
  Snapshot first_quarter;
  const double day_start = process_seconds();
  for (std::size_t step = 0; step < options.operations; ++step) {
    const Kind kind = day.next_kind(step);
    played.push_back({kind, day.play(kind)});
    if (step % reference_every == 0) {
      if (step < quarter) reference_first.push_back(reference_work() * 1e3);
      if (step >= options.operations - quarter) reference_last.push_back(reference_work() * 1e3);
    }
    if (step + 1 == quarter) first_quarter = day.snapshot();
    if ((step + 1) % 100 == 0 || step + 1 == quarter || step + 1 == options.operations) day.mark_memory(step + 1);
  }
  const double day_seconds = process_seconds() - day_start;
  const Snapshot end = day.snapshot();
  std::size_t peak = 0;
  for (const Played& one : played) peak = std::max(peak, one.outcome.peak_heap);

  std::printf("soak: %zu objects, %zu operations (seed %u, a reload every %zu), %.1f s of processor time\n\n",
              host::host_state().model.size(), options.operations, options.seed, options.reload_every,
              day_seconds);
  std::printf("%-12s %6s %8s %14s %14s %7s %13s\n", "operation", "count", "refused", "q1 median ms",
              "q4 median ms", "q4/q1", "peak heap MB");
  bool slower = false;
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    std::vector<double> first;
    std::vector<double> last;
    std::size_t count = 0;
    std::size_t refused = 0;
    std::size_t kind_peak = 0;
    for (std::size_t step = 0; step < played.size(); ++step) {
      if (played[step].kind != static_cast<Kind>(k)) continue;
      ++count;
      kind_peak = std::max(kind_peak, played[step].outcome.peak_heap);
      if (!played[step].outcome.seconds) {
        ++refused;
        continue;
      }
      if (step < quarter) first.push_back(*played[step].outcome.seconds * 1e3);
      if (step >= played.size() - quarter) last.push_back(*played[step].outcome.seconds * 1e3);
    }
    if (count == 0) continue;
    // A kind not played in a quarter has no median there, and no ratio.
    const auto cell = [](const std::vector<double>& times) {
      char text[32] = "-";
      if (!times.empty()) std::snprintf(text, sizeof text, "%.2f", median(times));
      return std::string(text);
    };
    std::string ratio_text = "-";
    if (!first.empty() && !last.empty()) {
      const double ratio = median(last) / median(first);
      if (ratio > 1.2) slower = true;
      char text[32];
      std::snprintf(text, sizeof text, "%.2f", ratio);
      ratio_text = text;
    }
    std::printf("%-12s %6zu %8zu %14s %14s %7s %13.1f\n", kinds[k].name, count, refused, cell(first).c_str(),
                cell(last).c_str(), ratio_text.c_str(), megabytes(static_cast<double>(kind_peak)));
  }
  std::printf("%-12s %6zu %8s %14.2f %14.2f %7.2f   (the machine alone: a fixed sort)\n\n", "reference",
              reference_first.size() + reference_last.size(), "", median(reference_first),
              median(reference_last), median(reference_last) / median(reference_first));
  print_snapshot("start of the day", start);
  print_snapshot("end of first quarter", first_quarter);
  print_snapshot("end of the day", end);
  const double growth = static_cast<double>(end.heap) - static_cast<double>(first_quarter.heap);
  std::printf("\npeak heap %.1f MB, final heap %.1f MB, peak resident %.0f MB\n",
              megabytes(static_cast<double>(peak)), megabytes(static_cast<double>(end.heap)),
              bench::status_kb("VmHWM") / 1024);
  std::printf("heap growth over the last three quarters: %.1f MB (goal: at most %.0f MB) %s\n",
              megabytes(growth), megabytes(static_cast<double>(growth_allowance)),
              growth <= static_cast<double>(growth_allowance) ? "met" : "MISSED");
  std::printf("no operation slower at the end than at the start by more than 1.2x: %s\n",
              slower ? "MISSED" : "met");
  if (options.check && growth > static_cast<double>(growth_allowance)) return 1;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return soak(parse_options(argc, argv));
  } catch (const std::exception& error) {
    std::cerr << "bench_soak: " << error.what() << "\n";
    return 2;
  }
}
