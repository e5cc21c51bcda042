// Writing and reading the model file of our own.
#include "model/model_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/utf8.h"
#include "simple_io/in_file.h"
#include "simple_io/replacing_file.h"

namespace host {
namespace {

constexpr std::array<std::pair<PropertyKind, std::string_view>, 4> kind_names = {{
    {PropertyKind::text, "text"},
    {PropertyKind::integer, "integer"},
    {PropertyKind::boolean, "boolean"},
    {PropertyKind::real, "real"},
}};

std::string_view kind_name(PropertyKind kind) {
  for (const auto& [each, name] : kind_names) {
    if (each == kind) return name;
  }
  return "text";
}

void append_escaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
}

void append_field(std::string& out, std::u16string_view text) {
  out += '\t';
  append_escaped(out, platform::to_utf8(text));
}

void append_number(std::string& out, double value) {
  char digits[32];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// Writes the objects in id order, each property set and name once, where it is first used.
class Writer {
 public:
  explicit Writer(const Model& model) : model_(model) {
    // About a hundred bytes an object with its properties: the text grows a few times only.
    out_.reserve(model.size() * 128 + 64);
  }

  std::string text() && {
    out_ += model_file_magic;
    out_ += ' ' + std::to_string(model_file_version) + '\n';
    for (std::size_t index = 0; index < model_.size(); ++index)
      append_object(*model_.find(Model::id_at(index)));
    out_ += "end\t" + std::to_string(model_.size()) + '\n';
    return std::move(out_);
  }

 private:
  void append_object(const Object& object) {
    out_ += "o\t";
    if (object.parent == all_objects_id) {
      out_ += '-';
    } else {
      out_ += std::to_string(model_.index_of(object.parent));
    }
    out_ += '\t';
    append_escaped(out_, object.entity);
    append_field(out_, object.name);
    append_field(out_, object.description);
    append_field(out_, object.tag);
    append_field(out_, object.guid);
    out_ += object.has_representation ? "\t1\t" : "\t0\t";
    if (object.bounds) {
      for (int axis = 0; axis < 6; ++axis) {
        if (axis > 0) out_ += ' ';
        append_number(out_, axis < 3 ? object.bounds->min[axis] : object.bounds->max[axis - 3]);
      }
    } else {
      out_ += '-';
    }
    out_ += '\n';
    for (const Property& property : object.properties) append_property(property);
  }

  void append_property(const Property& property) {
    std::string key(kind_name(property.kind));
    append_field(key, property.property_set);
    append_field(key, property.name);
    const auto [found, added] = keys_.try_emplace(std::move(key), keys_.size());
    if (added) out_ += "k\t" + found->first + '\n';
    out_ += "p\t" + std::to_string(found->second) + '\t';
    if (property.kind == PropertyKind::text) {
      append_escaped(out_, platform::to_utf8(property.text));
    } else {
      append_number(out_, property.number);
    }
    out_ += '\n';
  }

  const Model& model_;
  std::string out_;
  // Kind, set and name as written, and the key's number.
  std::unordered_map<std::string, std::size_t> keys_;
};

// Reads the text line by line; every fault names the line it is on.
class Parser {
 public:
  explicit Parser(std::string_view text) : rest_(text) {}

  Model parse() {
    read_header();
    check_ending();
    Model model;
    while (true) {
      const std::string_view line = next_line();
      const auto [marker, fields] = split_marker(line);
      if (marker == "o") {
        read_object(fields, model);
      } else if (marker == "k") {
        read_key(fields);
      } else if (marker == "p") {
        read_property(fields, model);
      } else if (marker == "end") {
        read_end(fields, model);
        return model;
      } else {
        damaged("it is neither an object (o), a property key (k), a property (p) nor the end");
      }
    }
  }

 private:
  std::string_view next_line() {
    ++line_number_;
    const auto end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
    // A file that went through a Windows text copy ends its lines with CR LF; texts escape their CRs.
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
  }

  void read_header() {
    const std::string_view line = next_line();
    if (!line.starts_with(model_file_magic)) {
      throw std::runtime_error("it is not a torv model file (it does not begin with " +
                               std::string(model_file_magic) + ")");
    }
    int version = 0;
    std::string_view number = line.substr(model_file_magic.size());
    if (!number.starts_with(' ') || !whole_number(number.substr(1), version) || version < 1) {
      damaged("the header is not " + std::string(model_file_magic) + " and a version");
    }
    if (version > model_file_version) {
      throw std::runtime_error("it was written by a newer torv-host (model file version " +
                               std::to_string(version) + "; this one reads version " +
                               std::to_string(model_file_version) + ")");
    }
  }

  // A copy that was interrupted lacks the last line: say so before reading what is there.
  void check_ending() const {
    std::string_view text = rest_;
    while (text.ends_with('\n') || text.ends_with('\r')) text.remove_suffix(1);
    const auto last_line = text.rfind('\n');
    const std::string_view last = last_line == std::string_view::npos ? text : text.substr(last_line + 1);
    if (!last.starts_with("end\t"))
      throw std::runtime_error("the file is cut short (its last line is not end)");
  }

  static std::pair<std::string_view, std::string_view> split_marker(std::string_view line) {
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos) return {line, {}};
    return {line.substr(0, tab), line.substr(tab + 1)};
  }

  // The fields of a line separated by tabs; exactly N of them, or the line is damaged.
  template <std::size_t N>
  std::array<std::string_view, N> split_fields(std::string_view fields, const char* what) {
    std::array<std::string_view, N> result;
    for (std::size_t i = 0; i < N; ++i) {
      const auto tab = fields.find('\t');
      if ((tab == std::string_view::npos) != (i + 1 == N)) {
        damaged(std::string(what) + " has not " + std::to_string(N) + " fields");
      }
      result[i] = fields.substr(0, tab);
      if (tab != std::string_view::npos) fields.remove_prefix(tab + 1);
    }
    return result;
  }

  template <typename Number>
  static bool whole_number(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
  }

  double number(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
      damaged("'" + std::string(text.substr(0, 40)) + "' is not a number");
    }
    return value;
  }

  std::string unescaped(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '\\') {
        result += text[i];
        continue;
      }
      const char next = i + 1 < text.size() ? text[++i] : '\0';
      switch (next) {
        case '\\': result += '\\'; break;
        case 't': result += '\t'; break;
        case 'n': result += '\n'; break;
        case 'r': result += '\r'; break;
        default: damaged("a backslash begins no known escape");
      }
    }
    return result;
  }

  std::u16string text(std::string_view field) { return platform::from_utf8(unescaped(field)); }

  void read_object(std::string_view fields, Model& model) {
    const auto [parent, entity, name, description, tag, guid, representation, bounds] =
        split_fields<8>(fields, "the object");
    Object object;
    ObjectId parent_id = all_objects_id;
    if (parent != "-") {
      std::size_t index = 0;
      if (!whole_number(parent, index) || index >= model.size()) {
        damaged("the parent is not an object before this one");
      }
      parent_id = Model::id_at(index);
    }
    object.entity = unescaped(entity);
    object.name = text(name);
    object.description = text(description);
    object.tag = text(tag);
    object.guid = text(guid);
    if (representation != "0" && representation != "1") damaged("the representation flag is not 0 or 1");
    object.has_representation = representation == "1";
    if (bounds != "-") object.bounds = read_bounds(bounds);
    model.add(parent_id, std::move(object));
  }

  Bounds read_bounds(std::string_view text) {
    Bounds bounds{};
    for (int axis = 0; axis < 6; ++axis) {
      const auto blank = text.find(' ');
      if ((blank == std::string_view::npos) != (axis == 5)) damaged("the box has not six numbers");
      (axis < 3 ? bounds.min[axis] : bounds.max[axis - 3]) = number(text.substr(0, blank));
      if (blank != std::string_view::npos) text.remove_prefix(blank + 1);
    }
    return bounds;
  }

  void read_key(std::string_view fields) {
    const auto [kind, set, name] = split_fields<3>(fields, "the property key");
    const auto* found = std::find_if(kind_names.begin(), kind_names.end(),
                                     [wanted = kind](const auto& each) { return each.second == wanted; });
    if (found == kind_names.end()) damaged("the property's kind is not text, integer, boolean or real");
    keys_.push_back({text(set), text(name), found->first, {}, 0});
  }

  void read_property(std::string_view fields, Model& model) {
    if (model.size() == 0) damaged("a property comes before the first object");
    const auto [key_text, value] = split_fields<2>(fields, "the property");
    std::size_t key = 0;
    if (!whole_number(key_text, key) || key >= keys_.size())
      damaged("the property's key is not one before it");
    Property property = keys_[key];
    if (property.kind == PropertyKind::text) {
      property.text = text(value);
    } else {
      property.number = number(value);
    }
    model.find(Model::id_at(model.size() - 1))->properties.push_back(std::move(property));
  }

  void read_end(std::string_view count_text, const Model& model) {
    std::size_t count = 0;
    if (!whole_number(count_text, count) || count != model.size()) {
      damaged("the end counts " + std::string(count_text.substr(0, 20)) + " objects, the file holds " +
              std::to_string(model.size()));
    }
    for (; rest_.starts_with('\n') || rest_.starts_with('\r'); rest_.remove_prefix(1)) {
      if (rest_.front() == '\n') ++line_number_;
    }
    if (!rest_.empty()) {
      ++line_number_;
      damaged("text follows the end");
    }
  }

  [[noreturn]] void damaged(const std::string& reason) const {
    throw std::runtime_error("the file is damaged at line " + std::to_string(line_number_) + ": " + reason);
  }

  std::string_view rest_;
  std::size_t line_number_ = 0;
  // The property keys read so far: set, name and kind, without a value.
  std::vector<Property> keys_;
};

std::runtime_error file_error(const char* doing, const std::filesystem::path& file,
                              const std::string& reason) {
  return std::runtime_error(std::string(doing) + ' ' + platform::to_utf8(file.u16string()) + ": " + reason);
}

}  // namespace

bool is_model_file(const std::filesystem::path& file) {
  try {
    simple_io::InFile in(file.u16string());
    if (in.bytes_left() < model_file_magic.size()) return false;
    std::string start(model_file_magic.size(), '\0');
    in.read(start.data(), start.size());
    return start == model_file_magic;
  } catch (...) {
    return false;
  }
}

std::string model_file_text(const Model& model) { return Writer(model).text(); }

Model parse_model_file(std::string_view text) { return Parser(text).parse(); }

void write_model_file(const Model& model, const std::filesystem::path& file) {
  if (!simple_io::write_file_whole(file.u16string(), model_file_text(model))) {
    throw file_error("cannot write", file, platform::to_utf8(simple_io::last_write_failure()));
  }
}

Model read_model_file(const std::filesystem::path& file) {
  const std::optional<std::string> text = simple_io::read_whole_file(file.u16string());
  if (!text) throw file_error("cannot read", file, "the file cannot be opened or read");
  Model model = [&] {
    try {
      return parse_model_file(*text);
    } catch (const std::runtime_error& error) {
      throw file_error("cannot read", file, error.what());
    }
  }();
  model.path = std::filesystem::absolute(file).u16string();
  model.description = platform::to_utf8(file.filename().u16string());
  return model;
}

}  // namespace host
