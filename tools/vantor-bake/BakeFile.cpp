#include "BakeFile.h"

#include "files/disk/ReadRegularFile.h"

#include <toml++/toml.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>
#include <string_view>

namespace vantor::bake {

namespace {

// Bake files are a few tables of short values; anything larger is not one.
constexpr std::size_t kMaxBakeFileSize = 1 << 20;

const BakeOption* FindKey(std::string_view name) {
  for (const BakeOption& option : BakeOptionList()) {
    if (option.Key() == name) return &option;
  }
  return nullptr;
}

std::string KeyList() {
  std::string list;
  for (const BakeOption& option : BakeOptionList()) list += (list.empty() ? "" : ", ") + std::string(option.Key());
  return list;
}

std::string Where(const std::string& path, const toml::source_region& source) {
  return path + ":" + std::to_string(source.begin.line);
}

// One table's arguments, and the line of the key each came from.
struct TableArgs {
  std::vector<std::string> args;
  std::vector<std::size_t> lines;
  std::vector<std::string_view> keys;
  std::string error;
};

// The argument a scalar stands for, or empty with `error` set.
std::optional<std::string> Scalar(const toml::node& node, OptionValue kind, const std::string& folder) {
  if (kind == OptionValue::Number || kind == OptionValue::Value || kind == OptionValue::Values) {
    if (const auto number = node.value_exact<std::int64_t>()) return std::to_string(*number);
    if (kind == OptionValue::Number) return std::nullopt;
  }
  const auto text = node.value_exact<std::string>();
  if (!text) return std::nullopt;
  if (kind == OptionValue::Path || kind == OptionValue::Paths) {
    const std::filesystem::path given(*text);
    if (!text->empty() && given.is_relative() && !folder.empty()) return (std::filesystem::path(folder) / given).string();
  }
  return *text;
}

std::string_view KindText(OptionValue kind) {
  switch (kind) {
    case OptionValue::Flag: return "true or false";
    case OptionValue::Number: return "a whole number";
    case OptionValue::Value: return "a text or a whole number";
    case OptionValue::Path: return "a file name in quotes";
    case OptionValue::Values: return "a text, a whole number or a list of them";
    case OptionValue::Paths: return "a file name in quotes or a list of them";
  }
  return {};
}

TableArgs ArgsOf(const toml::table& table, const std::string& path, const std::string& folder,
                 const std::set<std::string>& overridden) {
  TableArgs out;
  for (const auto& [name, node] : table) {
    const std::string where = Where(path, node.source());
    const BakeOption* key = FindKey(name.str());
    if (key == nullptr) {
      out.error = where + ": unknown key \"" + std::string(name.str()) + "\"; the keys are " + KeyList();
      return out;
    }
    const auto refuse = [&] {
      out.error = where + ": " + std::string(key->Key()) + " takes " + std::string(KindText(key->value));
    };
    std::vector<const toml::node*> items;
    if (const toml::array* array = node.as_array(); array && (key->value == OptionValue::Values || key->value == OptionValue::Paths)) {
      for (const toml::node& item : *array) items.push_back(&item);
    } else {
      items.push_back(&node);
    }
    if (key->value == OptionValue::Flag) {
      const auto flag = node.value_exact<bool>();
      if (!flag) {
        refuse();
        return out;
      }
      if (*flag && !overridden.count(std::string(key->flag))) {
        out.args.emplace_back(key->flag);
        out.lines.push_back(node.source().begin.line);
        out.keys.push_back(key->Key());
      }
      continue;
    }
    std::vector<std::string> values;
    for (const toml::node* item : items) {
      const std::optional<std::string> value = Scalar(*item, key->value, folder);
      if (!value) {
        refuse();
        return out;
      }
      values.push_back(*value);
    }
    if (overridden.count(key->flag.empty() ? std::string("params") : std::string(key->flag))) continue;
    for (const std::string& value : values) {
      if (!key->flag.empty()) {
        out.args.emplace_back(key->flag);
        out.lines.push_back(node.source().begin.line);
        out.keys.push_back(key->Key());
      }
      out.args.push_back(value);
      out.lines.push_back(node.source().begin.line);
      out.keys.push_back(key->Key());
    }
  }
  return out;
}

// The options the command line gives, which replace a table's own: "params" for a params file.
std::set<std::string> GivenOptions(const std::vector<std::string>& overrides) {
  std::set<std::string> given;
  for (std::size_t i = 0; i < overrides.size(); ++i) {
    const std::string& arg = overrides[i];
    const std::span<const BakeOption> options = BakeOptionList();
    const auto known = std::find_if(options.begin(), options.end(), [&](const BakeOption& option) { return option.flag == arg; });
    if (known != options.end()) {
      given.insert(arg);
      if (known->value != OptionValue::Flag) ++i;
    } else if (arg.empty() || arg[0] != '-') {
      given.insert("params");
    }
  }
  return given;
}

}  // namespace

BakeJob JobOf(const BakeOptions& options, std::string label) {
  BakeJob job{options, std::move(label), options.fontFiles};
  for (const BakeOptions::CharacterSource& source : options.characters) {
    if (source.file) job.inputs.push_back(source.text);
  }
  if (!options.paramsPath.empty()) job.inputs.push_back(options.paramsPath);
  return job;
}

BakeFileRead ReadBakeFile(const std::string& path, const std::vector<std::string>& overrides) {
  BakeFileRead read;
  const files::FileBytes file = files::ReadRegularFile(path, kMaxBakeFileSize);
  if (file.error != 0) {
    read.error = path + ": " +
                 (file.error == ENOENT   ? std::string("no such bake file")
                  : file.error == EFBIG  ? "larger than the " + std::to_string(kMaxBakeFileSize) + " bytes a bake file can be"
                  : file.error == EISDIR ? std::string("a folder, not a bake file")
                                         : std::string(std::strerror(file.error)));
    return read;
  }
  toml::table root;
  try {
    root = toml::parse(file.bytes, path);
  } catch (const toml::parse_error& error) {
    read.error = Where(path, error.source()) + ": " + std::string(error.description());
    return read;
  }
  for (const auto& [name, node] : root) {
    if (name.str() != "font" || !node.is_array_of_tables()) {
      read.error = Where(path, node.source()) + ": \"" + std::string(name.str()) +
                   "\" is not a bake: each bake is a [[font]] table";
      return read;
    }
  }
  const toml::array* tables = root["font"].as_array();
  if (tables == nullptr || tables->empty()) {
    read.error = path + ":1: no [[font]] table: nothing to bake";
    return read;
  }
  const std::string folder = std::filesystem::path(path).parent_path().string();
  const std::set<std::string> overridden = GivenOptions(overrides);
  for (const toml::node& node : *tables) {
    const toml::table& table = *node.as_table();
    const std::string label = Where(path, table.source());
    TableArgs tableArgs = ArgsOf(table, path, folder, overridden);
    if (!tableArgs.error.empty()) {
      read.error = tableArgs.error;
      return read;
    }
    std::vector<std::string> args = tableArgs.args;
    args.insert(args.end(), overrides.begin(), overrides.end());
    ParsedOptions parsed = ParseBakeOptions(args);
    if (!parsed.error.empty()) {
      if (parsed.errorAt != std::string::npos && parsed.errorAt >= tableArgs.args.size()) {
        read.error = parsed.error;
        read.commandLineError = true;
      } else if (parsed.errorAt != std::string::npos) {
        read.error = path + ":" + std::to_string(tableArgs.lines[parsed.errorAt]) + ": " +
                     std::string(tableArgs.keys[parsed.errorAt]) + ": " + parsed.error;
      } else {
        read.error = label + ": [[font]]: " + parsed.error;
      }
      return read;
    }
    read.jobs.push_back(JobOf(parsed.options, label));
  }
  return read;
}

}  // namespace vantor::bake
