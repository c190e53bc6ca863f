// Pointer pictures: shapes filled white with a black outline, cut out hard against the transparent colour.
#include "artwork/pointer_shapes.hpp"

#include "artwork/canvas.hpp"

namespace quilloro::artwork {
namespace {

constexpr int kSize = 32;

struct Layer {
  Path path;
  Rgb fill;
};

// A pointer must have no half-transparent pixels: colours are drawn with
// anti-aliasing on white, then every pixel less than half covered becomes transparent.
Bitmap cutOut(const std::vector<Layer>& layers, double outline) {
  Canvas colour(kSize, kSize, {255, 255, 255});
  Canvas cover(kSize, kSize, {0, 0, 0});
  for (const Layer& layer : layers) {
    colour.stroke(layer.path, outline, {0, 0, 0});
    cover.stroke(layer.path, outline, {255, 255, 255});
    cover.fill(layer.path, {255, 255, 255});
  }
  for (const Layer& layer : layers) {
    colour.fill(layer.path, layer.fill);
    // The outline stays on top of its own fill.
    colour.stroke(layer.path, outline * 0.5, {0, 0, 0});
  }
  Bitmap out(kSize, kSize, kPointerTransparent);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if (cover.bitmap().at(x, y).r >= 128) out.at(x, y) = colour.bitmap().at(x, y);
  return out;
}

Path arrow(double scale) {
  Path p;
  const double s = scale;
  p.moveTo(1, 1).lineTo(1, 1 + 17 * s).lineTo(1 + 4.2 * s, 1 + 13.2 * s).lineTo(1 + 7 * s, 1 + 19.5 * s);
  p.lineTo(1 + 9.8 * s, 1 + 18.3 * s).lineTo(1 + 7.1 * s, 1 + 12.2 * s).lineTo(1 + 12.4 * s, 1 + 12.2 * s).close();
  return p;
}

// A small card carried beside the pointer while dragging.
Layer carriedCard(double x, double y) { return {Path().roundedRect(x, y, 10, 13, 1.5), {250, 250, 250}}; }
Layer carriedPip(double x, double y) { return {Path().circle(x + 5, y + 6.5, 2), {200, 20, 30}}; }

Path pointingHand() {
  Path p;
  // Index finger up, the other fingers curled, thumb to the left.
  p.moveTo(10, 2.5).cubicTo(10, 1.2, 13, 1.2, 13, 2.5).lineTo(13, 11).cubicTo(13, 10, 16, 10, 16, 11.5);
  p.cubicTo(16, 10.5, 19, 10.5, 19, 12).cubicTo(19, 11, 22, 11, 22, 12.8).lineTo(22, 20).cubicTo(22, 25, 19, 28, 15.5, 28);
  p.lineTo(13.5, 28).cubicTo(11, 28, 9, 26, 7.5, 23.5).lineTo(4, 17.5).cubicTo(3, 15.8, 5.5, 14.2, 7, 16).lineTo(10, 19.5);
  p.close();
  return p;
}

Path openHand() {
  Path p;
  p.moveTo(9, 9).cubicTo(9, 7.4, 11.8, 7.4, 11.8, 9).lineTo(11.8, 14).lineTo(12.5, 4.5).cubicTo(12.5, 2.9, 15.3, 2.9, 15.3, 4.5);
  p.lineTo(15.5, 13.5).lineTo(16.2, 3.5).cubicTo(16.2, 1.9, 19, 1.9, 19, 3.5).lineTo(19, 14).lineTo(20, 5.5);
  p.cubicTo(20, 3.9, 22.8, 3.9, 22.8, 5.5).lineTo(22.6, 18.5).lineTo(24.8, 15).cubicTo(25.8, 13.5, 28.2, 14.6, 27.4, 16.4);
  p.lineTo(23.5, 24.5).cubicTo(22, 27.5, 19.5, 29.5, 16, 29.5).cubicTo(11.5, 29.5, 9, 26, 9, 21).close();
  return p;
}

// A closed hand seen from the back: palm, four curled fingers and the thumb.
std::vector<Layer> grabbingHand(Rgb fill) {
  std::vector<Layer> layers;
  Path palm;
  palm.moveTo(8, 15).lineTo(24, 15).lineTo(24, 21).cubicTo(24, 25.5, 20.5, 28.5, 16, 28.5).cubicTo(11.5, 28.5, 8, 25.5, 8, 21).close();
  layers.push_back({palm, fill});
  for (int i = 0; i < 4; ++i) layers.push_back({Path().roundedRect(8 + 4 * i, 9.5 + (i == 0 || i == 3 ? 1 : 0), 4, 9, 2), fill});
  Path thumb;
  thumb.moveTo(8, 17).cubicTo(5, 16.5, 4, 19, 5.5, 20.5).lineTo(8.5, 23).close();
  layers.push_back({thumb, fill});
  return layers;
}

Path cross() {
  Path p;
  p.rect(14.5, 2, 3, 11).rect(14.5, 19, 3, 11).rect(2, 14.5, 11, 3).rect(19, 14.5, 11, 3);
  return p;
}

}  // namespace

std::vector<PointerShape> renderPointerShapes() {
  const Rgb white{255, 255, 255};
  std::vector<PointerShape> shapes;
  auto add = [&](const std::string& name, int id, int hx, int hy, const std::vector<Layer>& layers) {
    shapes.push_back({name, id, hx, hy, cutOut(layers, 1.4)});
  };
  add("CUR_ARROW1A", 10, 1, 1, {{arrow(1.0), white}});
  add("CUR_ARROW2A", 11, 1, 1, {{arrow(1.45), white}});
  add("CUR_HAND1A", 12, 11, 2, {{pointingHand(), white}});
  add("CUR_HAND2A", 13, 16, 16, {{openHand(), white}});
  add("CUR_CROSS1A", 14, 16, 16, {{cross(), white}});
  add("CUR_ARROW1B", 20, 1, 1, {carriedCard(14, 16), carriedPip(14, 16), {arrow(1.0), white}});
  add("CUR_ARROW2B", 21, 1, 1, {carriedCard(19, 17), carriedPip(19, 17), {arrow(1.45), white}});
  add("CUR_HAND1B", 22, 11, 2, {carriedCard(19, 2), carriedPip(19, 2), {pointingHand(), white}});
  std::vector<Layer> grab{carriedCard(11, 1), carriedPip(11, 1)};
  for (const Layer& layer : grabbingHand(white)) grab.push_back(layer);
  add("CUR_HAND2B", 23, 16, 16, grab);
  add("CUR_CROSS1B", 24, 16, 16, {{cross(), white}, carriedCard(20, 19), carriedPip(20, 19)});
  return shapes;
}

}  // namespace quilloro::artwork
