// A throw-away program folder with small card pictures of the miniature size, for the rendering tests.
#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/card.hpp"
#include "table/bmp_image.hpp"
#include "table/card_image_files.hpp"
#include "table/card_images.hpp"
#include "table/card_size.hpp"

namespace quilloro::testing {

// Every face has its own colour, so a drawn card can be told by one pixel.
inline Pixel faceColour(CardNumber card) { return rgbPixel(static_cast<unsigned>(card), 100, 200); }
inline constexpr Pixel kBackColour = rgbPixel(0, 0, 150);
// Marks at full strength cover the table where they are drawn.
inline Pixel markColour(int code) { return rgbPixel(255, static_cast<unsigned>(code), 0); }

class RecordingProblems : public ImageProblemListener {
 public:
  void imageProblem(const std::string& title, const std::string& text) override {
    titles.push_back(title);
    texts.push_back(text);
  }
  std::vector<std::string> titles;
  std::vector<std::string> texts;
};

class PictureFolder {
 public:
  PictureFolder() {
    static std::atomic<int> counter{0};
    home_ = std::filesystem::temp_directory_path() /
            ("quilloro-render-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(home_ / "Images");
    std::filesystem::create_directories(home_ / "Resources");
  }
  ~PictureFolder() {
    std::error_code error;
    std::filesystem::remove_all(home_, error);
  }
  PictureFolder(const PictureFolder&) = delete;
  PictureFolder& operator=(const PictureFolder&) = delete;

  const std::filesystem::path& home() const { return home_; }
  std::filesystem::path images() const { return home_ / "Images"; }

  void write(const std::string& name, const PixelSurface& picture, bool resource = false) const {
    writeBmpFile((resource ? home_ / "Resources" : images()) / name, picture);
  }

  // Four suit sheets of one set, a back, every mark and the strips, for one size.
  void writeCardSet(const CardSize& size, int cardSet = 1, int back = 11) const {
    const int w = size.width, h = size.height;
    for (const Suit suit : {Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades}) {
      PixelSurface sheet(5 * w, 3 * h, rgbPixel(1, 2, 3));
      for (int k = 0; k < 13; ++k)
        sheet.fillRect({(k % 5) * w, (k / 5) * h, w, h}, faceColour(static_cast<int>(suit) * 13 + k + 1));
      write(faceSheetFileName(size.letter, cardSet, suit), sheet);
    }
    write(backFileName(size.letter, back), PixelSurface(w, h, kBackColour));
    for (int code = 1; code <= 22; ++code) write(markFileName(size.letter, code), PixelSurface(w, h, markColour(code)));
    const std::string letter(1, size.letter);
    // Strips as the artwork draws them: a grey edge per row, pure blue around it.
    PixelSurface right(16, h + 13, rgbPixel(0, 0, 255));
    PixelSurface bottom(w + 11, 16, rgbPixel(0, 0, 255));
    for (int k = 0; k < 16; ++k) {
      right.fillRect({k, k - 2, 1, h}, rgbPixel(90, 90, 90));
      bottom.fillRect({k - 2, k, w, 1}, rgbPixel(90, 90, 90));
    }
    write("3D_BORDER_" + letter + "1.bmp", right, true);
    write("3D_BORDER_" + letter + "2.bmp", bottom, true);
    write("SHADOW_" + letter + "1.bmp", PixelSurface(7, h - 6, rgbPixel(255, 255, 255)), true);
    write("SHADOW_" + letter + "2.bmp", PixelSurface(w - 1, 7, rgbPixel(255, 255, 255)), true);
  }

 private:
  std::filesystem::path home_;
};

}  // namespace quilloro::testing
