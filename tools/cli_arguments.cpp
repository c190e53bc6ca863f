// Parsing of quilloro-cli options.
#include "tools/cli_arguments.hpp"

#include <algorithm>
#include <charconv>
#include <climits>
#include <unistd.h>

namespace quilloro::cli {

Arguments::Arguments(const std::vector<std::string>& args, const std::vector<std::string>& flagNames) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!arg.starts_with("--") || arg.size() < 3) throw UsageError("unexpected argument \"" + arg + "\"");
    const std::string name = arg.substr(2);
    if (std::find(flagNames.begin(), flagNames.end(), name) != flagNames.end()) {
      values_[name] = "";
      continue;
    }
    if (i + 1 >= args.size()) throw UsageError("option --" + name + " needs a value");
    values_[name] = args[++i];
  }
}

std::optional<std::string> Arguments::text(const std::string& name) const {
  const auto found = values_.find(name);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

bool Arguments::flag(const std::string& name) const { return values_.contains(name); }

std::optional<int> Arguments::optionalInteger(const std::string& name) const {
  const std::optional<std::string> value = text(name);
  if (!value) return std::nullopt;
  int number = 0;
  const auto [end, error] = std::from_chars(value->data(), value->data() + value->size(), number);
  if (value->empty() || error != std::errc() || end != value->data() + value->size())
    throw UsageError("option --" + name + " needs a whole number, not \"" + *value + "\"");
  return number;
}

int Arguments::integer(const std::string& name) const {
  const std::optional<int> value = optionalInteger(name);
  if (!value) throw UsageError("option --" + name + " is required");
  return *value;
}

std::filesystem::path executableDirectory() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path();
  return self.parent_path();
}

ProgramPaths programPaths(const Arguments& args) {
  std::vector<std::string> options;
  for (const char* name : {"home", "dat"})
    if (const std::optional<std::string> value = args.text(name)) options.insert(options.end(), {std::string("--") + name, *value});
  return programPathsFrom(executableDirectory(), options);
}

std::filesystem::path programDirectory(const Arguments& args) { return programPaths(args).home; }

std::filesystem::path gamesDatPath(const Arguments& args) { return programPaths(args).gamesDat; }

}  // namespace quilloro::cli
