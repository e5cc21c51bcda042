// Recording the plug-in's host calls through the host's call recorder, and making them again.
#include "support/recorded_calls.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <unordered_map>
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

void read_filled(std::span<const ObjectId> ids) {
  ObjectId sum = 0;
  for (const ObjectId id : ids) sum += id;
  benchmark::DoNotOptimize(sum);
}

// Object records asked for one object at a time are tested: a walk up to the enclosing assembly
// compares the entity, a check for a GUID looks at its first code unit. Records asked for many
// objects at once are written out, every text of them.
void read_filled(std::span<const ObjectInfo> infos) {
  if (infos.size() == 1) {
    read_text(infos[0].ifc_entity);
    benchmark::DoNotOptimize(infos[0].parent_id);
    return;
  }
  for (const ObjectInfo& info : infos) {
    read_text(info.name);
    read_text(info.description);
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

void read_filled(std::span<const PropertyResult> results) {
  for (const PropertyResult& result : results) {
    if (result.value_type == property_text) {
      read_text(result.value.text);
    } else {
      benchmark::DoNotOptimize(result.value.number);
    }
  }
}

template <class Record>
void read_filled(std::span<const Record> records) {
  for (const Record& record : records) benchmark::DoNotOptimize(record);
}

template <class Result>
void read_result(Result result) {
  if constexpr (std::is_same_v<Result, const char*> || std::is_same_v<Result, const char16_t*>) {
    read_text(result);
  } else {
    benchmark::DoNotOptimize(result);
  }
}

// An offset into the recording's texts or ids; this one stands for a null pointer.
using Offset = std::uint32_t;
constexpr Offset null_offset = std::numeric_limits<Offset>::max();

// What the plug-in's pointers pointed to, kept while recording (each distinct text once), and the
// buffers the host fills while replaying.
class Store {
 public:
  template <class Char>
  Offset keep_text(const Char* text) {
    if (text == nullptr) return null_offset;
    auto& [texts, offsets] = std::get<Texts<Char>>(texts_);
    const auto [found, added] = offsets.try_emplace(text, static_cast<Offset>(texts.size()));
    if (added) texts.append(found->first).push_back(0);
    return found->second;
  }

  Offset keep_ids(const ObjectId* ids, std::size_t count) {
    if (ids == nullptr) return null_offset;
    const auto offset = static_cast<Offset>(ids_.size());
    ids_.insert(ids_.end(), ids, ids + count);
    return offset;
  }

  // Once recorded, each text is found by its offset alone.
  void end_recording() {
    std::get<Texts<char>>(texts_).offsets.clear();
    std::get<Texts<char16_t>>(texts_).offsets.clear();
  }

  template <class Char>
  const Char* text(Offset offset) const {
    return offset == null_offset ? nullptr : std::get<Texts<Char>>(texts_).texts.data() + offset;
  }

  const ObjectId* ids(Offset offset) const { return offset == null_offset ? nullptr : ids_.data() + offset; }

  // A buffer of length records for the host to fill (of one, when the call passes no length).
  template <class Record>
  Record* buffer(std::size_t length) {
    std::vector<Record>& records = std::get<std::vector<Record>>(buffers_);
    records.resize(std::max<std::size_t>(length, 1));
    return records.data();
  }

  template <class Record>
  std::span<const Record> filled(std::size_t length) const {
    return std::span(std::get<std::vector<Record>>(buffers_)).first(length);
  }

 private:
  template <class Char>
  struct Texts {
    std::basic_string<Char> texts;  // each followed by its nul
    std::unordered_map<std::basic_string<Char>, Offset> offsets;
  };
  std::tuple<Texts<char>, Texts<char16_t>> texts_;
  std::vector<ObjectId> ids_;
  std::tuple<std::vector<ObjectId>, std::vector<ObjectInfo>, std::vector<ObjectInfo2>,
             std::vector<PropertyQuery>, std::vector<PropertyResult>, std::vector<HoverPosition>,
             std::vector<BoundsBox>, std::vector<ViewRect>>
      buffers_;
};

// How an argument of type T is kept, and what the replay passes for it. Values (handles, ids,
// counts, flags, colours, callbacks, user data) are kept as they are. length is the call's length
// of its arrays.
template <class T>
struct Argument {
  static_assert(!std::is_pointer_v<T> || std::is_same_v<T, void*> ||
                    std::is_function_v<std::remove_pointer_t<T>>,
                "a pointer into the plug-in's memory is kept by what it points to");
  T value;
  Argument(T argument, Store&, std::size_t) : value(argument) {}
  T replayed(Store&, std::size_t) const { return value; }
  void read_back(const Store&, std::size_t) const {}
};

template <class Char>
struct TextArgument {
  Offset offset;
  TextArgument(const Char* text, Store& store, std::size_t) : offset(store.keep_text(text)) {}
  const Char* replayed(Store& store, std::size_t) const { return store.text<Char>(offset); }
  void read_back(const Store&, std::size_t) const {}
};

template <>
struct Argument<const char*> : TextArgument<char> {
  using TextArgument::TextArgument;
};

template <>
struct Argument<const char16_t*> : TextArgument<char16_t> {
  using TextArgument::TextArgument;
};

template <>
struct Argument<const ObjectId*> {
  Offset offset;
  Argument(const ObjectId* ids, Store& store, std::size_t length) : offset(store.keep_ids(ids, length)) {}
  const ObjectId* replayed(Store& store, std::size_t) const { return store.ids(offset); }
  void read_back(const Store&, std::size_t) const {}
};

template <>
struct Argument<const PropertyQuery*> {
  ObjectId object_id = 0;
  Offset property_set = null_offset;
  Offset property = null_offset;
  bool null;
  Argument(const PropertyQuery* query, Store& store, std::size_t) : null(query == nullptr) {
    if (null) return;
    object_id = query->object_id;
    property_set = store.keep_text(query->property_set);
    property = store.keep_text(query->property);
  }
  const PropertyQuery* replayed(Store& store, std::size_t) const {
    if (null) return nullptr;
    PropertyQuery* query = store.buffer<PropertyQuery>(1);
    *query = {object_id, store.text<char16_t>(property_set), store.text<char16_t>(property)};
    return query;
  }
  void read_back(const Store&, std::size_t) const {}
};

// A buffer or record the host fills: one of the recorded length, read once filled.
template <class Record>
struct FilledArgument {
  bool null;
  FilledArgument(Record* buffer, Store&, std::size_t) : null(buffer == nullptr) {}
  Record* replayed(Store& store, std::size_t length) const {
    return null ? nullptr : store.buffer<Record>(length);
  }
  void read_back(const Store& store, std::size_t length) const {
    if (!null) read_filled(store.filled<Record>(std::max<std::size_t>(length, 1)));
  }
};

template <>
struct Argument<ObjectId*> : FilledArgument<ObjectId> {
  using FilledArgument::FilledArgument;
};
template <>
struct Argument<ObjectInfo*> : FilledArgument<ObjectInfo> {
  using FilledArgument::FilledArgument;
};
template <>
struct Argument<ObjectInfo2*> : FilledArgument<ObjectInfo2> {
  using FilledArgument::FilledArgument;
};
template <>
struct Argument<PropertyResult*> : FilledArgument<PropertyResult> {
  using FilledArgument::FilledArgument;
};
template <>
struct Argument<HoverPosition*> : FilledArgument<HoverPosition> {
  using FilledArgument::FilledArgument;
};
template <>
struct Argument<BoundsBox*> : FilledArgument<BoundsBox> {
  using FilledArgument::FilledArgument;
};
template <>
struct Argument<ViewRect*> : FilledArgument<ViewRect> {
  using FilledArgument::FilledArgument;
};

// The length of a call's arrays: its first count or capacity (the host's functions pass none
// other as std::int32_t before it), or 1 for a single record.
template <class... Values>
std::size_t length_of(const Values&... values) {
  std::optional<std::size_t> length;
  const auto take = [&length](const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::int32_t>) {
      if (!length) length = static_cast<std::size_t>(std::max(value, 0));
    }
  };
  (take(values), ...);
  return length.value_or(1);
}

// One recorded call of the host function that the plug-in's table reaches as function.
template <auto function>
struct Call;

template <class Result, class... Parameters, Result (*function)(Parameters...)>
struct Call<function> {
  std::uint32_t length;
  std::tuple<Argument<Parameters>...> arguments;

  Call(Store& store, Parameters... values)
      : length(static_cast<std::uint32_t>(length_of(values...))),
        arguments(Argument<Parameters>(values, store, length)...) {}

  void replay(Store& store) const {
    std::apply(
        [&](const auto&... argument) {
          if constexpr (std::is_void_v<Result>) {
            function(argument.replayed(store, length)...);
          } else {
            read_result(function(argument.replayed(store, length)...));
          }
          (argument.read_back(store, length), ...);
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

  void replay(Store& store) const {
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
  void replay_run(Store& store, std::size_t& next, std::size_t count) const {
    const auto& calls = std::get<function>(calls_);
    for (const std::size_t end = next + count; next < end; ++next) calls[next].replay(store);
  }

  using ReplayRun = void (CallLog::*)(Store&, std::size_t&, std::size_t) const;
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
  recording->store.end_recording();
  return [recording] { recording->calls.replay(recording->store); };
}

}  // namespace bench
