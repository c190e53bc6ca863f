// GAMES.DAT: the game catalogue, the parameter matrix and the selected games.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_parameters.hpp"

namespace quilloro {

class GamesDatError : public std::runtime_error {
 public:
  enum class Kind { FileNotFound, Unreadable, Malformed };
  GamesDatError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

// One "[Sect1]" line after the transform.
class CatalogueEntry {
 public:
  explicit CatalogueEntry(std::string line) : line_(std::move(line)) {}

  const std::string& line() const { return line_; }
  // Category code (characters 1-3); nothing when they are not a number.
  std::optional<int> category() const;
  // Help-topic number of the rules (characters 4-7); nothing when not a number.
  std::optional<int> helpTopic() const;
  // The name, characters 11-60, trailing blanks removed.
  std::string name() const;
  // The 30-character form, characters 11-40, trailing blanks removed.
  std::string shortName() const;

 private:
  std::string line_;
};

class GamesDat {
 public:
  // Reads the whole file once. Throws GamesDatError when it is missing or unreadable.
  static GamesDat load(const std::filesystem::path& path);
  // From the stored lines themselves (as read from a file, line ends removed).
  static GamesDat fromLines(std::vector<std::string> storedLines, std::filesystem::path origin = "GAMES.DAT");

  const std::vector<CatalogueEntry>& catalogue() const { return catalogue_; }
  int gameCount() const { return static_cast<int>(catalogue_.size()); }

  // The "[SectS]" game indices in file order; lines that are not numbers are skipped.
  const std::vector<int>& selectedGames() const { return selected_; }
  bool isSelected(int gameIndex) const;

  // Fills parameters from the column of gameIndex: every "[Sect2]" row sets the
  // entry it names. Throws GamesDatError naming the line and the column when a
  // row's index or value is not an integer in range; parameters are then left
  // exactly as they were.
  void loadParameters(int gameIndex, GameParameters& parameters) const;

  // The values of seven parameters of any game, -99 where no row names one.
  // Throws GamesDatError like loadParameters for a row it has to read.
  std::array<ParameterValue, 7> readParameters(int gameIndex, const std::array<int, 7>& indices) const;

  const std::filesystem::path& origin() const { return origin_; }

 private:
  struct ParameterRow {
    int lineNumber;     // 1-based line of the file
    std::string plain;  // after the transform
  };

  int rowIndex(const ParameterRow& row) const;
  ParameterValue rowValue(const ParameterRow& row, int gameIndex) const;
  [[noreturn]] void malformed(const ParameterRow& row, const std::string& what) const;

  std::filesystem::path origin_;
  std::vector<CatalogueEntry> catalogue_;
  std::vector<ParameterRow> parameterRows_;
  std::vector<int> selected_;
};

}  // namespace quilloro
