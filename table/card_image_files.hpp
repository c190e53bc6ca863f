// Names of the card, back, mark and table pictures, the folders that hold them, and what is on offer there.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/card.hpp"

namespace quilloro {

// "C" + size + set + suit: one sheet of 13 faces per suit, "CB001H.bmp".
std::string faceSheetFileName(char size, int cardSet, Suit suit);
// "D" + size + back: "DB011.bmp".
std::string backFileName(char size, int back);
// "W" + size + code: "WB007.bmp".
std::string markFileName(char size, int code);
// "B" + three digits: "B012.bmp".
std::string backgroundFileName(int number);
// The picture tiled over the table during a demonstration.
inline constexpr const char* kDemoBackgroundFileName = "Y001.bmp";
// Built-in strips and panels: "SHADOW_B1.bmp", "3D_BORDER_M2.bmp", "Panel_pk.bmp".
std::string resourceFileName(const std::string& name);

// Where the pictures lie under the program folder.
class ImageFolders {
 public:
  explicit ImageFolders(std::filesystem::path programDirectory) : home_(std::move(programDirectory)) {}

  std::filesystem::path images() const { return home_ / "Images"; }
  std::filesystem::path resources() const { return home_ / "Resources"; }

  // The file of that name in the folder; a file whose name differs only in
  // case is found too, since sets copied from elsewhere may be lower-cased.
  // Nothing when there is no such file.
  static std::optional<std::filesystem::path> find(const std::filesystem::path& folder, const std::string& name);

 private:
  std::filesystem::path home_;
};

// What the pictures folder offers the random choices and the Customize dialog.
struct ImageCatalogue {
  // Background files "B" + three digits + ".bmp", as lower-case names sorted.
  std::vector<std::string> backgrounds;
  // Files "cb*.bmp" (four to a card set of the normal size) and "db*.bmp".
  int normalCardFiles = 0;
  int normalBackFiles = 0;

  int normalCardSets() const { return normalCardFiles / 4; }
  static ImageCatalogue scan(const std::filesystem::path& imagesFolder);
};

// The text of the error box for a picture that is not there: five lines
// joined by "\r", the full path on the second.
std::string missingImageText(const std::filesystem::path& file);
// The same box for a picture that is there but cannot be read.
std::string unreadableImageText(const std::filesystem::path& file, const std::string& reason);
inline constexpr const char* kImageErrorTitle = "Error";

}  // namespace quilloro
