// The empty stock as a push button: held down it shows the pressed picture;
// released over it the redeal follows, moved off it nothing happens.
#pragma once

#include <filesystem>
#include <map>
#include <optional>

#include "table/motion_services.hpp"
#include "table/pixel_surface.hpp"
#include "table/table_layout.hpp"
#include "table/table_renderer.hpp"
#include "table/zoomed_card_pictures.hpp"

namespace quilloro {

class EmptyStockButton {
 public:
  // The pressed picture is mark 005 of the card size, read from the
  // program's "Images" folder at its first use.
  EmptyStockButton(TableRenderer& renderer, PixelSurface& window, Pacer& pacer,
                   std::filesystem::path programDirectory);

  // The press on the empty stock of a game that may redeal.
  void press(const TableLayout& layout);
  bool pressed() const { return pressed_; }
  // Answers true when the pointer left the stock: the button comes up and no
  // redeal follows.
  bool pointerMoved(int x, int y);
  // Answers whether the button was down, so that the stock click follows.
  bool release();

 private:
  void comeUp();
  const PixelSurface* pressedPicture(const CardSize& size);
  // The picture of the file, at scale 1.
  const PixelSurface* filePicture(const CardSize& size);

  TableRenderer& renderer_;
  PixelSurface& window_;
  Pacer& pacer_;
  std::filesystem::path programDirectory_;
  std::map<char, std::optional<PixelSurface>> pictures_;
  // At a zoom: by card size letter and zoom.
  std::map<std::pair<char, double>, std::optional<PixelSurface>> zoomedPictures_;
  ZoomedCardPictures drawn_;
  PixelRect stock_;
  bool pressed_ = false;
};

}  // namespace quilloro
