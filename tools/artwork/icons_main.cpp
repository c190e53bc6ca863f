// quilloro-icons: writes the program's icon into a desktop icon theme folder, as pictures of every size and as SVG.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/artwork/png_writer.hpp"
#include "tools/artwork/program_icon.hpp"

namespace {

constexpr const char* kUsage =
    "usage: quilloro-icons --output DIR --name NAME\n"
    "  writes DIR/hicolor/SIZExSIZE/apps/NAME.png for every size and DIR/hicolor/scalable/apps/NAME.svg\n";

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  using namespace quilloro::artwork;
  fs::path output;
  std::string name;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--output" && i + 1 < argc) output = argv[++i];
    else if (arg == "--name" && i + 1 < argc) name = argv[++i];
    else if (arg == "--help") return std::cout << kUsage, 0;
    else return std::cerr << kUsage, 2;
  }
  if (output.empty() || name.empty()) return std::cerr << kUsage, 2;
  try {
    const fs::path theme = output / "hicolor";
    for (const int size : kProgramIconSizes) {
      const fs::path folder = theme / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
      fs::create_directories(folder);
      const RgbaPicture picture = renderProgramIcon(size);
      writeRgbaPng(folder / (name + ".png"), size, size, picture.rgba);
    }
    const fs::path scalable = theme / "scalable" / "apps";
    fs::create_directories(scalable);
    std::ofstream svg(scalable / (name + ".svg"), std::ios::trunc);
    svg << programIconSvg();
    if (!svg) throw std::runtime_error("cannot write " + (scalable / (name + ".svg")).string());
  } catch (const std::exception& error) {
    std::cerr << "quilloro-icons: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
