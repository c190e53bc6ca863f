// The interface texts of both languages, looked up by text number (language base + offset).
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quilloro {

inline constexpr int kEnglishBase = 20000;
inline constexpr int kItalianBase = 10000;

class StringTable {
 public:
  // Reads every ".txt" file of folder/"english" and folder/"italian". Each line is
  // an offset, a tab and the text; "\n" in a text stands for a line break, "\\"
  // for a backslash, "\t" for a tab. Empty lines and lines starting with '#' are
  // skipped. Every line that cannot be read (and every offset given twice in one
  // language) is described in problems, naming its file and line; the rest of
  // the file is still read.
  static StringTable load(const std::filesystem::path& folder, std::vector<std::string>* problems = nullptr);

  // Adds or replaces the text of a full text number (base + offset).
  void set(int number, std::string text);
  bool contains(int number) const { return texts_.count(number) != 0; }
  // The text of a full number; a missing text reads as empty.
  const std::string& text(int number) const;
  // The text of an offset in the language whose base is given; a text missing
  // in that language falls back to English, so no caption is ever blank.
  const std::string& text(int languageBase, int offset) const;
  std::size_t size() const { return texts_.size(); }

 private:
  std::map<int, std::string> texts_;
};

// A menu caption: the part of a text before its first '|' (all of it when it has none).
std::string_view captionPart(std::string_view text);

}  // namespace quilloro
