// The pictures of the Customize window: card faces of each set, backs, backgrounds and effect samples, read once and kept.
#pragma once

#include <QImage>
#include <QSize>
#include <filesystem>
#include <map>
#include <string>

namespace quilloro {

class CustomizeSamples {
 public:
  explicit CustomizeSamples(std::filesystem::path installFolder) : home_(std::move(installFolder)) {}

  // One face of hearts (rank 1 to 13) of the big size in the set; a grey card when the set is missing.
  QImage heartFace(int cardSet, int rank);
  // The big back of the number.
  QImage back(int number);
  // The background node's value drawn over a sample of the size: a colour
  // (faded from the top when fade is on), a tiled picture, or the default green.
  QImage background(long long value, long long customColour, bool fade, QSize size);
  // A picture of the Resources folder by its name, as a null image when missing.
  QImage resource(const std::string& name);

  // The colour a colour value stands for, system colour codes as button face.
  static QColor colourOf(long long value);
  // A card picture with its four corners cut round, for drawing over a sample.
  static QImage rounded(const QImage& card);

  // One set of samples per installation folder, for the whole run.
  static CustomizeSamples& shared(const std::filesystem::path& installFolder);

 private:
  QImage load(const std::filesystem::path& file);

  std::filesystem::path home_;
  std::map<std::string, QImage> files_;
};

}  // namespace quilloro
