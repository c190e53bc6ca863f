#include "table/card_image_files.hpp"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace quilloro {
namespace {

std::string threeDigits(int n) {
  const int clamped = std::clamp(n, 0, 999);
  std::string text = std::to_string(clamped);
  return std::string(3 - text.size(), '0') + text;
}

std::string lowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool isBackgroundName(const std::string& lower) {
  return lower.size() == 8 && lower[0] == 'b' && std::isdigit(static_cast<unsigned char>(lower[1])) &&
         std::isdigit(static_cast<unsigned char>(lower[2])) && std::isdigit(static_cast<unsigned char>(lower[3])) &&
         lower.ends_with(".bmp");
}

}  // namespace

std::string faceSheetFileName(char size, int cardSet, Suit suit) {
  static constexpr char kSuitLetters[] = {'H', 'D', 'C', 'S'};
  return std::string("C") + size + threeDigits(cardSet) + kSuitLetters[static_cast<int>(suit)] + ".bmp";
}

std::string backFileName(char size, int back) { return std::string("D") + size + threeDigits(back) + ".bmp"; }

std::string markFileName(char size, int code) { return std::string("W") + size + threeDigits(code) + ".bmp"; }

std::string backgroundFileName(int number) { return "B" + threeDigits(number) + ".bmp"; }

std::string resourceFileName(const std::string& name) { return name + ".bmp"; }

std::optional<std::filesystem::path> ImageFolders::find(const std::filesystem::path& folder, const std::string& name) {
  std::error_code error;
  const std::filesystem::path exact = folder / name;
  if (std::filesystem::is_regular_file(exact, error)) return exact;
  const std::string wanted = lowerCase(name);
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (lowerCase(it->path().filename().string()) == wanted && it->is_regular_file(error)) return it->path();
  }
  return std::nullopt;
}

ImageCatalogue ImageCatalogue::scan(const std::filesystem::path& imagesFolder) {
  ImageCatalogue catalogue;
  std::error_code error;
  for (std::filesystem::directory_iterator it(imagesFolder, error), end; !error && it != end; it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    const std::string name = lowerCase(it->path().filename().string());
    if (!name.ends_with(".bmp")) continue;
    if (name.starts_with("cb")) ++catalogue.normalCardFiles;
    if (name.starts_with("db")) ++catalogue.normalBackFiles;
    if (isBackgroundName(name)) catalogue.backgrounds.push_back(name);
  }
  std::sort(catalogue.backgrounds.begin(), catalogue.backgrounds.end());
  return catalogue;
}

std::string missingImageText(const std::filesystem::path& file) {
  return "Cannot find images file:\r" + file.string() + "\r" + "Some program components cannot be shown correctly." +
         "\r" + "Copy the file into the directory that above is specified" + "\r" + "or reinstall the program.";
}

std::string unreadableImageText(const std::filesystem::path& file, const std::string& reason) {
  return "Cannot read images file:\r" + file.string() + "\r" + "The picture is damaged (" + reason + ")." + "\r" +
         "Copy the file into the directory that above is specified" + "\r" + "or reinstall the program.";
}

}  // namespace quilloro
