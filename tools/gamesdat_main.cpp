// gamesdat: encodes readable game sources into GAMES.DAT and decodes any GAMES.DAT for inspection.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/core/atomic_file.hpp"
#include "engine/parameter_names.hpp"
#include "tools/games_dat_writer.hpp"

namespace {

using namespace quilloro;

constexpr const char* kUsage =
    "usage: gamesdat encode --output GAMES.DAT SOURCE.game...\n"
    "       gamesdat decode [--output-dir DIR] GAMES.DAT\n"
    "       gamesdat names\n";

int usage() {
  std::cerr << kUsage;
  return 2;
}

int encode(const std::vector<std::string>& args) {
  std::filesystem::path output;
  std::vector<GameSource> games;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--output" && i + 1 < args.size()) {
      output = args[++i];
    } else {
      games.push_back(readGameSource(args[i]));
    }
  }
  if (output.empty() || games.empty()) return usage();
  for (const GameSource& game : games) {
    const std::vector<int> defaulted = game.defaultedIndices();
    if (!defaulted.empty())
      std::cerr << game.file.filename().string() << ": " << defaulted.size()
                << " parameters take their defaults: " << describeIndices(defaulted) << "\n";
  }
  const std::string text = encodeGamesDat(std::move(games));
  if (const auto error = writeFileAtomically(output, text)) {
    std::cerr << "gamesdat: " << *error << "\n";
    return 1;
  }
  return 0;
}

int decode(const std::vector<std::string>& args) {
  std::filesystem::path input;
  std::filesystem::path outputDir;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--output-dir" && i + 1 < args.size())
      outputDir = args[++i];
    else if (input.empty())
      input = args[i];
    else
      return usage();
  }
  if (input.empty()) return usage();
  const std::vector<GameSource> games = decodeGamesDat(GamesDat::load(input));
  for (const GameSource& game : games) {
    const std::string text = formatGameSource(game);
    if (outputDir.empty()) {
      std::cout << text << "\n";
      continue;
    }
    std::filesystem::create_directories(outputDir);
    if (const auto error = writeFileAtomically(outputDir / gameSourceFileName(game), text)) {
      std::cerr << "gamesdat: " << *error << "\n";
      return 1;
    }
  }
  return 0;
}

int names() {
  for (const ParameterRun& run : parameterRuns()) {
    std::string range = std::to_string(run.first);
    if (run.last > run.first) range += "-" + std::to_string(run.last);
    std::cout << range << " " << run.name << " (default " << run.defaultValue << "): " << run.description << "\n";
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  try {
    if (command == "encode") return encode(args);
    if (command == "decode") return decode(args);
    if (command == "names") return names();
  } catch (const std::exception& error) {
    std::cerr << "gamesdat: " << error.what() << "\n";
    return 1;
  }
  return usage();
}
