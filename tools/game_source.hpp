// Readable game sources (.game files): parsing them and writing them back.
#pragma once

#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/game_parameters.hpp"

namespace quilloro {

class GameSourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct GameSource {
  std::filesystem::path file;  // where it was read from, for messages
  int index = -1;
  std::string name;
  int category = 0;
  int helpTopic = 0;
  bool selected = false;
  std::array<ParameterValue, kParameterCount> values{};
  std::array<bool, kParameterCount> given{};  // false: the value is the default

  std::vector<int> defaultedIndices() const;
};

// Parses the text of one .game file. Throws GameSourceError("file:line: ...").
GameSource parseGameSource(const std::string& text, const std::filesystem::path& file);
GameSource readGameSource(const std::filesystem::path& file);

// Every parameter written out, with a comment per parameter: what decode produces.
std::string formatGameSource(const GameSource& game);

// "000-klondike.game" from index 0 and the name "Klondike".
std::string gameSourceFileName(const GameSource& game);

// Compact list of indices: "0, 9, 12-15".
std::string describeIndices(const std::vector<int>& indices);

}  // namespace quilloro
