// What the quilloro-cli tests share: the built GAMES.DAT and reply lines.
#pragma once

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace quilloro::cli {

inline const std::string kGamesDat =
    std::string(std::getenv("QUILLORO_HOME") ? std::getenv("QUILLORO_HOME") : ".") + "/GAMES.DAT";

inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) result.push_back(line);
  return result;
}

}  // namespace quilloro::cli
