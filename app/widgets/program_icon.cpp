// The program's icon for its windows, from the pictures the artwork generator drew.
#include "app/widgets/program_icon.hpp"

#include <QString>
#include <array>

namespace quilloro {

QIcon programIcon(const std::filesystem::path& installFolder) {
  constexpr std::array kSizes{16, 22, 24, 32, 48, 64, 128, 256};
  QIcon icon;
  std::error_code error;
  for (const std::filesystem::path& themes :
       {installFolder / "Icons" / "hicolor", installFolder.parent_path() / "icons" / "hicolor"}) {
    if (!std::filesystem::is_directory(themes, error)) continue;
    for (int size : kSizes) {
      const std::string folder = std::to_string(size) + "x" + std::to_string(size);
      const std::filesystem::path file = themes / folder / "apps" / QUILLORO_ICON_NAME ".png";
      if (std::filesystem::is_regular_file(file, error)) icon.addFile(QString::fromStdString(file.string()));
    }
    if (!icon.isNull()) break;
  }
  return icon;
}

}  // namespace quilloro
