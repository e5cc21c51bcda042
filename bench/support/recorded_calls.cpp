// Recording the plug-in's host calls through the host's call recorder, and making them again.
#include "support/recorded_calls.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <unordered_set>
#include <utility>
#include <variant>
#include <vector>

#include "api/call_recorder.h"
#include "api/host_state.h"
#include "plugin_base/host_api.h"

namespace bench {
namespace {

using namespace viewer;

// Reads every code unit of a text the viewer returned (nothing for null). A writer must read the
// texts it writes, scattered through the viewer's model: a baseline that only received the
// pointers would be no lower bound for it.
template <typename Char>
void read_text(const Char* text) {
  if (text != nullptr) benchmark::DoNotOptimize(std::char_traits<Char>::length(text));
}

template <class Result>
void read_returned(Result result) {
  if constexpr (std::is_same_v<Result, const char*> || std::is_same_v<Result, const char16_t*>) {
    read_text(result);
  } else {
    benchmark::DoNotOptimize(result);
  }
}

template <class Record>
void read_filled(std::span<const Record> records) {
  for (const Record& record : records) benchmark::DoNotOptimize(record);
}

void read_filled(std::span<const ObjectId> ids) {
  ObjectId sum = 0;
  for (const ObjectId id : ids) sum += id;
  benchmark::DoNotOptimize(sum);
}

void read_filled(std::span<const PropertyResult> results) {
  for (const PropertyResult& result : results) {
    if (result.value_type == property_text) read_text(result.value.text);
  }
}

// Object records asked for one object at a time are tested: a walk up to the enclosing assembly
// compares the entity, a check for a GUID looks at its first code unit. Records asked for many
// objects at once are written out, every text of them.
void read_filled(std::span<const ObjectInfo> infos) {
  for (const ObjectInfo& info : infos) {
    if (infos.size() > 1) {
      read_text(info.name);
      read_text(info.description);
    }
    read_text(info.ifc_entity);
    benchmark::DoNotOptimize(info.parent_id);
  }
}

void read_filled(std::span<const ObjectInfo2> infos) {
  if (infos.size() == 1) {
    if (infos[0].ifc_guid != nullptr) benchmark::DoNotOptimize(infos[0].ifc_guid[0]);
    return;
  }
  for (const ObjectInfo2& info : infos) {
    read_text(info.tag);
    read_text(info.ifc_guid);
  }
}

// What the plug-in's pointers pointed to: each distinct text once, where it stays, and the ids.
struct Store {
  std::unordered_set<std::string> narrow_texts;
  std::unordered_set<std::u16string> wide_texts;
  std::vector<ObjectId> ids;

  template <class Char>
  const Char* keep(const Char* text) {
    if (text == nullptr) return nullptr;
    if constexpr (std::is_same_v<Char, char>) {
      return narrow_texts.insert(text).first->c_str();
    } else {
      return wide_texts.insert(text).first->c_str();
    }
  }
};

// The records the host fills while replaying, one buffer for each kind.
template <class Record>
std::vector<Record> filled;

// How an argument of type T is kept, and what the replay passes for it. Values (handles, ids,
// counts, flags, colours, callbacks, user data) are kept as they are; length is the call's length
// of its arrays.
template <class T>
struct Argument {
  static_assert(!std::is_pointer_v<T> || std::is_same_v<T, void*> ||
                    std::is_function_v<std::remove_pointer_t<T>>,
                "a pointer into the plug-in's memory is kept by what it points to");
  T value;
  Argument(T argument, Store&, std::size_t) : value(argument) {}
  T replayed(const Store&, std::size_t) const { return value; }
};

template <class Char>
concept TextUnit = std::is_same_v<Char, char> || std::is_same_v<Char, char16_t>;

template <TextUnit Char>
struct Argument<const Char*> {
  const Char* text;
  Argument(const Char* argument, Store& store, std::size_t) : text(store.keep(argument)) {}
  const Char* replayed(const Store&, std::size_t) const { return text; }
};

template <>
struct Argument<const PropertyQuery*> {
  std::optional<PropertyQuery> query;
  Argument(const PropertyQuery* argument, Store& store, std::size_t) {
    if (argument != nullptr) {
      query = {argument->object_id, store.keep(argument->property_set), store.keep(argument->property)};
    }
  }
  const PropertyQuery* replayed(const Store&, std::size_t) const { return query ? &*query : nullptr; }
};

// Ids the plug-in passes, kept in the store (whose list grows while recording).
template <>
struct Argument<const ObjectId*> {
  std::optional<std::uint32_t> offset;
  Argument(const ObjectId* ids, Store& store, std::size_t length) {
    if (ids == nullptr) return;
    offset = static_cast<std::uint32_t>(store.ids.size());
    store.ids.insert(store.ids.end(), ids, ids + length);
  }
  const ObjectId* replayed(const Store& store, std::size_t) const {
    return offset ? store.ids.data() + *offset : nullptr;
  }
};

// A buffer or record the host fills: one of the recorded length, read once filled.
template <class Record>
concept Fillable = std::is_object_v<Record> && !std::is_const_v<Record>;

template <Fillable Record>
struct Argument<Record*> {
  bool null;
  Argument(Record* argument, Store&, std::size_t) : null(argument == nullptr) {}
  Record* replayed(const Store&, std::size_t length) const {
    if (null) return nullptr;
    filled<Record>.resize(std::max<std::size_t>(length, 1));
    return filled<Record>.data();
  }
  void read_back(std::size_t) const {
    if (!null) read_filled(std::span<const Record>(filled<Record>));
  }
};

// The length of a call's arrays: its first std::int32_t, the count or capacity (no host function
// passes another std::int32_t before it), or 1 for a single record.
template <class... Values>
std::uint32_t length_of(const Values&... values) {
  std::optional<std::int32_t> length;
  const auto take = [&length](const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::int32_t>) {
      if (!length) length = std::max(value, 0);
    }
  };
  (take(values), ...);
  return static_cast<std::uint32_t>(length.value_or(1));
}

// One recorded call of the host function that the plug-in's table reaches as function.
template <auto function>
struct Call;

template <class Result, class... Parameters, Result (*function)(Parameters...)>
struct Call<function> {
  std::uint32_t length;
  std::tuple<Argument<Parameters>...> arguments;

  Call(Store& store, Parameters... values)
      : length(length_of(values...)), arguments(Argument<Parameters>(values, store, length)...) {}

  void replay(const Store& store) const {
    std::apply(
        [&](const auto&... argument) {
          if constexpr (std::is_void_v<Result>) {
            function(argument.replayed(store, length)...);
          } else {
            read_returned(function(argument.replayed(store, length)...));
          }
          const auto read_back = [this](const auto& kept) {
            if constexpr (requires { kept.read_back(length); }) kept.read_back(length);
          };
          (read_back(argument), ...);
        },
        arguments);
  }
};

// The calls in their order: each function's calls in a list of their own, and the order as runs
// of calls of one function, so that the replay dispatches once per run.
template <class List>
class CallLog;

template <class... Calls>
class CallLog<std::tuple<std::monostate, Calls...>> {
 public:
  template <class Call, class... Values>
  void add(Store& store, Values... values) {
    constexpr std::uint32_t function = index_of<Call>();
    std::get<function>(calls_).emplace_back(store, values...);
    if (runs_.empty() || runs_.back().function != function) runs_.push_back({function, 0});
    ++runs_.back().count;
  }

  void replay(const Store& store) const {
    std::array<std::size_t, sizeof...(Calls)> next{};
    for (const Run& run : runs_) (this->*replay_runs[run.function])(store, next[run.function], run.count);
  }

 private:
  struct Run {
    std::uint32_t function;
    std::uint32_t count;
  };

  template <class Call>
  static constexpr std::uint32_t index_of() {
    constexpr std::array matches{std::is_same_v<Call, Calls>...};
    return static_cast<std::uint32_t>(std::find(matches.begin(), matches.end(), true) - matches.begin());
  }

  template <std::size_t function>
  void replay_run(const Store& store, std::size_t& next, std::size_t count) const {
    const auto& calls = std::get<function>(calls_);
    for (const std::size_t end = next + count; next < end; ++next) calls[next].replay(store);
  }

  using ReplayRun = void (CallLog::*)(const Store&, std::size_t&, std::size_t) const;
  static constexpr auto replay_runs = []<std::size_t... functions>(std::index_sequence<functions...>) {
    return std::array<ReplayRun, sizeof...(Calls)>{&CallLog::replay_run<functions>...};
  }
  (std::index_sequence_for<Calls...>{});

  std::tuple<std::vector<Calls>...> calls_;
  std::vector<Run> runs_;
};

#define TORV_HOST_API_CALL(result, name, parameters, arguments) , Call<&viewer::name>
using HostCallLog = CallLog<std::tuple<std::monostate TORV_HOST_API(TORV_HOST_API_CALL)>>;
#undef TORV_HOST_API_CALL

struct Recording {
  Store store;
  HostCallLog calls;
};

class Recorder final : public host::api::CallRecorder {
 public:
  explicit Recorder(Recording& recording) : recording_(recording) { host::api::call_recorder = this; }
  ~Recorder() override { host::api::call_recorder = nullptr; }
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

#define TORV_HOST_API_RECORD(result, name, parameters, arguments) \
  void name parameters override { add<&viewer::name> arguments; }
  TORV_HOST_API(TORV_HOST_API_RECORD)
#undef TORV_HOST_API_RECORD

 private:
  template <auto function, class... Values>
  void add(Values... values) {
    recording_.calls.add<Call<function>>(recording_.store, values...);
  }

  Recording& recording_;
};

}  // namespace

viewer::HostHandle host() {
  viewer::resolve_host_api();
  return host::host_state().handle;
}

std::function<void()> record_host_calls(const std::function<void()>& operation) {
  // The replay calls through this program's own function table.
  viewer::resolve_host_api();
  auto recording = std::make_shared<Recording>();
  {
    const Recorder recorder(*recording);
    operation();
  }
  return [recording] { recording->calls.replay(recording->store); };
}

}  // namespace bench
