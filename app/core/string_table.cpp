// Reading the string-table files and looking texts up.
#include "app/core/string_table.hpp"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <set>

namespace quilloro {
namespace {

const std::string kNoText;

// Undoes the escapes of a text; false for a backslash that escapes nothing known.
bool unescape(std::string_view raw, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\') {
      out += raw[i];
      continue;
    }
    if (++i == raw.size()) return false;
    switch (raw[i]) {
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case '\\': out += '\\'; break;
      default: return false;
    }
  }
  return true;
}

void readFile(const std::filesystem::path& file, int base, StringTable& table, std::set<int>& seen,
              std::vector<std::string>* problems) {
  auto problem = [&](int line, const std::string& what) {
    if (problems) problems->push_back(file.string() + ", line " + std::to_string(line) + ": " + what);
  };
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    problem(0, "the file cannot be read");
    return;
  }
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    const auto tab = line.find('\t');
    int offset = 0;
    const char* first = line.data();
    const char* last = line.data() + (tab == std::string::npos ? line.size() : tab);
    const auto [end, error] = std::from_chars(first, last, offset);
    if (tab == std::string::npos || error != std::errc() || end != last || offset < 0 || offset >= 10000) {
      problem(lineNumber, "expected an offset from 0 to 9999, a tab and the text");
      continue;
    }
    std::string text;
    if (!unescape(std::string_view(line).substr(tab + 1), text)) {
      problem(lineNumber, "a backslash must be followed by n, t or another backslash");
      continue;
    }
    if (!seen.insert(offset).second) {
      problem(lineNumber, "offset " + std::to_string(offset) + " is given twice");
      continue;
    }
    table.set(base + offset, std::move(text));
  }
}

void readLanguage(const std::filesystem::path& folder, int base, StringTable& table,
                  std::vector<std::string>* problems) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    if (problems) problems->push_back(folder.string() + ": the folder is missing");
    return;
  }
  // Sorted, so that which duplicate wins never depends on the file system's order.
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_regular_file(error) && entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::set<int> seen;
  for (const auto& file : files) readFile(file, base, table, seen, problems);
}

}  // namespace

StringTable StringTable::load(const std::filesystem::path& folder, std::vector<std::string>* problems) {
  StringTable table;
  readLanguage(folder / "english", kEnglishBase, table, problems);
  readLanguage(folder / "italian", kItalianBase, table, problems);
  return table;
}

void StringTable::set(int number, std::string text) { texts_[number] = std::move(text); }

const std::string& StringTable::text(int number) const {
  const auto found = texts_.find(number);
  return found == texts_.end() ? kNoText : found->second;
}

const std::string& StringTable::text(int languageBase, int offset) const {
  const auto found = texts_.find(languageBase + offset);
  if (found != texts_.end()) return found->second;
  return text(kEnglishBase + offset);
}

std::string_view captionPart(std::string_view text) { return text.substr(0, text.find('|')); }

}  // namespace quilloro
