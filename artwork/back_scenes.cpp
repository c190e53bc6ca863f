// Silhouettes and landscapes for the named card backs: animals, children's pictures, flowers, medieval emblems, nature and paintings.
#include "artwork/back_scenes.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "artwork/noise.hpp"
#include "artwork/scene_shapes.hpp"
#include "artwork/shading.hpp"

namespace quilloro::artwork {
namespace {

constexpr Rgb white{255, 255, 255};


BackGround vertical(Rgb top, Rgb bottom) {
  return [=](double, double v) { return mix(top, bottom, std::clamp((v + 45) / 90, 0.0, 1.0)); };
}

// Sky above a horizon at height h, ground below it in a second gradient.
BackGround skyAndGround(Rgb skyTop, Rgb skyLow, Rgb groundHigh, Rgb groundLow, double horizon) {
  return [=](double, double v) {
    if (v < horizon) return mix(skyTop, skyLow, std::clamp((v + 45) / (horizon + 45), 0.0, 1.0));
    return mix(groundHigh, groundLow, std::clamp((v - horizon) / (45 - horizon), 0.0, 1.0));
  };
}

BackGround withStars(BackGround base, double density) {
  return [=](double u, double v) {
    const Rgb c = base(u, v);
    const double h = hashUnit(static_cast<int>(std::floor(u * 1.3)), static_cast<int>(std::floor(v * 1.3)), 91);
    return h > 1 - density ? mix(c, Rgb{255, 250, 220}, 0.85) : c;
  };
}

}  // namespace

std::optional<BackScene> backScene(int number) {

  switch (number) {
    case 1:  // Boat: a sailing boat on a summer sea, painted in warm evening light.
      return BackScene{[](double u, double v) {
                         if (v < 8) return mix(Rgb{250, 200, 120}, Rgb{120, 170, 220}, std::clamp(-(v - 8) / 50, 0.0, 1.0));
                         const double wave = std::sin(u * 0.5 + v * 1.3) * 0.5 + 0.5;
                         return mix(Rgb{30, 90, 150}, Rgb{70, 140, 190}, wave * (1 - (v - 8) / 60));
                       },
                       [](Canvas& c) {
                         c.fill(circle(14, -6, 7), Rgb{255, 230, 160}, 0.9);
                         sailboat(c, -4, 16, 1.3);
                         sailboat(c, 20, 4, 0.45);
                       },
                       white};
    case 2:  // Magi: three crowned travellers under the star.
      return BackScene{withStars(vertical({10, 14, 50}, {60, 40, 90}), 0.01),
                       [](Canvas& c) {
                         Path star;
                         star.star(0, -30, 7, 2, 8);
                         c.fill(star, Rgb{255, 236, 150});
                         rays(c, 0, -30, 3, 12, 16, Rgb{255, 236, 150}, 0.4);
                         c.fill(poly({{-40, 30}, {-20, 24}, {0, 27}, {20, 22}, {40, 28}, {40, 50}, {-40, 50}}), Rgb{150, 110, 60});
                         const Rgb robes[3] = {{150, 30, 40}, {30, 70, 140}, {40, 110, 60}};
                         for (int k = 0; k < 3; ++k) {
                           const double x = -18 + k * 18, y = 24 - k * 1.5;
                           c.fill(poly({{x - 6, y + 4}, {x + 6, y + 4}, {x + 2.5, y - 12}, {x - 2.5, y - 12}}), robes[k]);
                           c.fill(circle(x, y - 14.5, 3), Rgb{210, 160, 120});
                           c.fill(poly({{x - 3, y - 17}, {x + 3, y - 17}, {x + 3.5, y - 22}, {x + 1.5, y - 19.5}, {x, y - 22.5},
                                        {x - 1.5, y - 19.5}, {x - 3.5, y - 22}}),
                                  Rgb{240, 200, 60});
                           c.fill(poly({{x + 5, y - 6}, {x + 7, y - 6}, {x + 7, y - 3}, {x + 5, y - 3}}), Rgb{240, 200, 60});
                         }
                       },
                       Rgb{240, 210, 120}};
    case 3:  // Snowman, in the falling snow.
      return BackScene{[](double u, double v) {
                         const Rgb sky = mix(Rgb{20, 40, 110}, Rgb{90, 130, 200}, std::clamp((v + 45) / 70, 0.0, 1.0));
                         if (v > 26 + 2 * std::sin(u * 0.15)) return Rgb{236, 242, 250};
                         return hashUnit(static_cast<int>(std::floor(u * 0.8)), static_cast<int>(std::floor(v * 0.8)), 33) > 0.96 ? white : sky;
                       },
                       [](Canvas& c) {
                         const Rgb snow{250, 252, 255}, shadow{200, 214, 235};
                         c.fill(circle(0, 22, 14), snow);
                         c.fill(circle(0, 1, 10), snow);
                         c.fill(circle(0, -16, 7.5), snow);
                         c.stroke(circle(0, 22, 14), 0.8, shadow);
                         c.stroke(circle(0, 1, 10), 0.8, shadow);
                         c.fill(poly({{-9, -20}, {9, -20}, {9, -22}, {-9, -22}}), Rgb{30, 30, 30});
                         c.fill(poly({{-5.5, -22}, {5.5, -22}, {5.5, -33}, {-5.5, -33}}), Rgb{30, 30, 30});
                         c.fill(poly({{-7, -9}, {7, -9}, {7, -6}, {-7, -6}}), Rgb{210, 40, 40});
                         c.fill(poly({{4, -8}, {8, -8}, {9, 2}, {5, 2}}), Rgb{210, 40, 40});
                         c.fill(poly({{0, -16}, {8, -14.5}, {0, -14}}), Rgb{250, 130, 30});
                         for (double x : {-2.8, 2.5}) c.fill(circle(x, -18.5, 1.1), Rgb{20, 20, 20});
                         for (double y : {-2.0, 3.0, 8.0}) c.fill(circle(0, y, 1.1), Rgb{20, 20, 20});
                         for (int side : {-1, 1}) {
                           Path arm;
                           arm.moveTo(side * 9, 0).lineTo(side * 20, -8).moveTo(side * 17, -6).lineTo(side * 19, -11);
                           c.stroke(arm, 1.2, Rgb{100, 60, 30});
                         }
                       },
                       white};
    case 4:  // Dragon: a friendly green dragon for the children.
      return BackScene{vertical({255, 236, 170}, {250, 190, 110}),
                       [](Canvas& c) {
                         const Rgb green{60, 160, 70}, dark{30, 100, 40}, belly{230, 220, 120};
                         Path tail;
                         tail.moveTo(8, 22).cubicTo(24, 30, 30, 14, 24, 4);
                         c.stroke(tail, 4, green);
                         c.fill(poly({{24, 4}, {30, 0}, {21, -1}}), dark);
                         c.fill(poly({{-4, -6}, {-22, -30}, {-10, -14}, {-14, -26}, {2, -8}}), Rgb{80, 180, 160});
                         c.fill(ellipse(2, 14, 13, 14), green);
                         c.fill(ellipse(0, 17, 7, 10), belly);
                         c.fill(ellipse(-6, -12, 9, 8), green);
                         c.fill(ellipse(-13, -9, 6, 4.5), green);
                         for (int k = 0; k < 5; ++k) {
                           const double x = -2 + k * 4, y = -14 + k * 5;
                           c.fill(poly({{x, y}, {x + 5, y - 2}, {x + 2.5, y + 3}}), dark);
                         }
                         c.fill(circle(-6, -15, 2.3), white);
                         c.fill(circle(-6.6, -15, 1.2), Rgb{20, 20, 20});
                         c.fill(circle(-16, -10, 0.9), Rgb{20, 60, 20});
                         for (double x : {-6.0, 8.0}) c.fill(ellipse(x, 28, 4, 2.5), dark);
                         c.fill(poly({{-12, -16}, {-10, -23}, {-8, -17}}), Rgb{240, 200, 70});
                         c.fill(poly({{-6, -19}, {-3, -25}, {-2, -18}}), Rgb{240, 200, 70});
                       },
                       Rgb{200, 120, 40}};
    case 5:  // Flowers: a meadow of bright daisies.
      return BackScene{skyAndGround({130, 200, 250}, {200, 235, 255}, {110, 190, 80}, {60, 140, 50}, 5),
                       [](Canvas& c) {
                         c.fill(circle(-20, -32, 6), Rgb{255, 220, 60});
                         const Rgb colours[5] = {{250, 90, 120}, {255, 255, 255}, {250, 200, 40}, {170, 110, 240}, {255, 140, 40}};
                         const double spots[7][3] = {{-18, 0, 6}, {6, -8, 7}, {20, 6, 5}, {-6, 18, 6.5}, {18, 28, 6}, {-22, 32, 5}, {2, 36, 4.5}};
                         for (int k = 0; k < 7; ++k) {
                           Path stem;
                           stem.moveTo(spots[k][0], spots[k][1]).lineTo(spots[k][0] + 1, spots[k][1] + 22);
                           c.stroke(stem, 1.2, Rgb{40, 110, 40});
                           daisy(c, spots[k][0], spots[k][1], spots[k][2], colours[k % 5], Rgb{250, 200, 30});
                         }
                       },
                       white};
    case 6: {  // Plaiting 1: four strands woven over and under.
      return BackScene{[](double u, double v) {
                         const double cell = 8;
                         const long cu = static_cast<long>(std::floor(u / cell)), cv = static_cast<long>(std::floor(v / cell));
                         const bool across = (cu + cv) % 2 == 0;
                         const double t = across ? (v / cell - std::floor(v / cell)) : (u / cell - std::floor(u / cell));
                         const Rgb base = across ? Rgb{190, 150, 80} : Rgb{150, 100, 50};
                         const double edge = std::sin(t * kPi);
                         return edge < 0.25 ? Rgb{70, 40, 20} : mix(shade(base, 0.7), shade(base, 1.15), edge);
                       },
                       {}, Rgb{250, 230, 190}};
    }
    case 7:  // Medieval flower: golden lilies on royal blue.
      return BackScene{[](double u, double v) {
                         const bool dot = std::fmod(std::fabs(u + 200) , 6) < 0.8 && std::fmod(std::fabs(v + 200), 6) < 0.8;
                         return dot ? Rgb{40, 60, 150} : Rgb{20, 34, 110};
                       },
                       [](Canvas& c) {
                         const Rgb gold{230, 190, 80};
                         fleurDeLis(c, 0, 0, 2.3, gold);
                         for (int sx : {-1, 1})
                           for (int sy : {-1, 1}) fleurDeLis(c, sx * 20, sy * 32, 0.9, gold);
                       },
                       Rgb{230, 190, 80}};
    case 8:  // Rose-window: the round stained glass of a cathedral.
      return BackScene{[](double u, double v) {
                         const double r = std::hypot(u, v), a = std::atan2(v, u);
                         if (r > 31) return mix(Rgb{90, 80, 70}, Rgb{60, 50, 45}, hashUnit(static_cast<int>(u / 4), static_cast<int>(v / 3), 5) * 0.5);
                         const Rgb glass[5] = {{30, 60, 170}, {190, 30, 40}, {240, 190, 40}, {40, 140, 70}, {120, 40, 150}};
                         const int ring = static_cast<int>(r / 6.5);
                         const int sector = static_cast<int>(std::floor((a + kPi) / (2 * kPi) * (8 + ring * 4)));
                         Rgb c = glass[(ring * 2 + sector) % 5];
                         const double within = std::fmod(r, 6.5);
                         const double angular = std::fmod((a + kPi) / (2 * kPi) * (8 + ring * 4), 1.0);
                         if (within < 0.7 || angular < 0.06 || r > 30) c = Rgb{30, 26, 24};
                         return mix(c, white, 0.15 * smooth(10, 0, r));
                       },
                       {}, Rgb{200, 190, 170}};
    case 9:  // Sun and Moon: day and night share the card.
      return BackScene{[](double u, double v) {
                         return u * 1.4 + v < 0 ? mix(Rgb{250, 200, 60}, Rgb{240, 120, 40}, std::clamp((v + 45) / 60, 0.0, 1.0))
                                                : mix(Rgb{20, 30, 90}, Rgb{8, 10, 40}, std::clamp((v + 10) / 55, 0.0, 1.0));
                       },
                       [](Canvas& c) {
                         rays(c, -14, -20, 9, 16, 16, Rgb{255, 240, 150}, 1.3);
                         c.fill(circle(-14, -20, 9), Rgb{255, 220, 80});
                         c.fill(circle(14, 20, 10), Rgb{240, 240, 210});
                         c.fill(circle(19, 16, 9), Rgb{14, 20, 64});
                         for (auto [x, y] : {std::pair{22.0, 34.0}, {5.0, 34.0}, {26.0, 4.0}, {10.0, 40.0}}) {
                           Path s;
                           s.star(x, y, 2, 0.8, 5);
                           c.fill(s, Rgb{255, 250, 200});
                         }
                       },
                       Rgb{240, 210, 120}};
    case 10:  // Sun: the heraldic sun in splendour.
      return BackScene{[](double u, double v) {
                         const double a = std::atan2(v, u);
                         return std::fmod(a + 4 * kPi, kPi / 8) < kPi / 16 ? Rgb{170, 30, 30} : Rgb{140, 20, 24};
                       },
                       [](Canvas& c) {
                         const Rgb gold{245, 200, 60}, deep{200, 140, 30};
                         for (int k = 0; k < 16; ++k) {
                           const double a = k * kPi / 8, w = k % 2 ? 0.12 : 0.2, len = k % 2 ? 24 : 30;
                           c.fill(poly({{14 * std::cos(a - w), 14 * std::sin(a - w)}, {len * std::cos(a), len * std::sin(a)},
                                        {14 * std::cos(a + w), 14 * std::sin(a + w)}}),
                                  k % 2 ? deep : gold);
                         }
                         c.fill(circle(0, 0, 14), gold);
                         c.stroke(circle(0, 0, 14), 1, deep);
                         for (int side : {-1, 1}) c.fill(ellipse(side * 5, -3, 2.2, 1.3), deep);
                         Path mouth;
                         mouth.moveTo(-5, 5).cubicTo(-2, 8, 2, 8, 5, 5);
                         c.stroke(mouth, 1, deep);
                         Path nose;
                         nose.moveTo(0, -3).lineTo(-1.5, 2).lineTo(1, 2);
                         c.stroke(nose, 0.8, deep);
                       },
                       Rgb{245, 200, 60}};
    case 12:  // Africa: an acacia and a giraffe against the setting sun.
      return BackScene{skyAndGround({240, 120, 40}, {250, 200, 90}, {190, 130, 60}, {120, 70, 30}, 22),
                       [](Canvas& c) {
                         c.fill(circle(4, 8, 16), Rgb{255, 230, 140}, 0.9);
                         const Rgb dark{40, 24, 16};
                         Path trunk;
                         trunk.moveTo(-16, 30).lineTo(-14, 4).lineTo(-20, -6).moveTo(-14, 4).lineTo(-8, -5);
                         c.stroke(trunk, 1.8, dark);
                         c.fill(ellipse(-15, -8, 15, 3.5), dark);
                         // The giraffe: legs, body, long neck and head.
                         c.fill(ellipse(14, 10, 8, 4.5), dark);
                         for (double x : {8.0, 10.5, 17.0, 19.5}) c.fill(poly({{x, 12}, {x + 1.2, 12}, {x + 1, 30}, {x - 0.2, 30}}), dark);
                         c.fill(poly({{18, 8}, {21, 8}, {27, -14}, {24.5, -15}}), dark);
                         c.fill(ellipse(27, -15, 3.5, 1.8), dark);
                         c.fill(poly({{25.5, -16}, {26, -19.5}, {26.5, -16}}), dark);
                         Path tailLine;
                         tailLine.moveTo(6, 9).lineTo(4, 16);
                         c.stroke(tailLine, 0.6, dark);
                         for (int k = 0; k < 3; ++k) {
                           Path bird;
                           const double x = -8 + k * 6, y = -28 + k * 3;
                           bird.moveTo(x - 2, y).lineTo(x, y + 1).lineTo(x + 2, y);
                           c.stroke(bird, 0.6, dark);
                         }
                       },
                       Rgb{250, 220, 160}};
    case 13:  // Teddy bear.
      return BackScene{[](double u, double v) {
                         return (static_cast<long>(std::floor((u + 200) / 8)) + static_cast<long>(std::floor((v + 200) / 8))) % 2
                                    ? Rgb{170, 210, 240}
                                    : Rgb{200, 228, 250};
                       },
                       [](Canvas& c) {
                         const Rgb fur{170, 110, 60}, light{225, 185, 130}, dark{40, 25, 15};
                         c.fill(ellipse(0, 16, 14, 16), fur);
                         c.fill(ellipse(0, 18, 8, 10), light);
                         for (int side : {-1, 1}) {
                           c.fill(ellipse(side * 14, 10, 5, 8), fur);
                           c.fill(ellipse(side * 9, 32, 6, 5), fur);
                           c.fill(ellipse(side * 9, 33, 3.5, 3), light);
                           c.fill(circle(side * 10, -24, 5), fur);
                           c.fill(circle(side * 10, -24, 2.8), light);
                         }
                         c.fill(circle(0, -13, 12), fur);
                         c.fill(ellipse(0, -8, 6, 4.5), light);
                         c.fill(ellipse(0, -10, 2.2, 1.6), dark);
                         for (int side : {-1, 1}) c.fill(circle(side * 4.5, -16, 1.5), dark);
                         Path mouth;
                         mouth.moveTo(-2.5, -6.5).cubicTo(-1, -5, 1, -5, 2.5, -6.5);
                         c.stroke(mouth, 0.7, dark);
                         c.fill(poly({{-6, 0}, {6, 0}, {2, 3}, {-2, 3}}), Rgb{210, 40, 60});
                       },
                       white};
    case 14:  // Roses: a bunch of red roses among their leaves.
      return BackScene{[](double u, double v) { return mix(Rgb{250, 236, 226}, Rgb{236, 200, 190}, std::clamp(std::hypot(u, v) / 55, 0.0, 1.0)); },
                       [](Canvas& c) {
                         const Rgb green{50, 120, 50};
                         for (auto [x, y, a] : {std::tuple{-14.0, 8.0, 2.5}, {12.0, 10.0, 0.5}, {-4.0, 26.0, 1.8}, {16.0, 30.0, 0.9},
                                                 {-20.0, -14.0, 3.6}, {18.0, -16.0, -0.4}})
                           leaf(c, x, y, 13, a, green);
                         rose(c, -8, -4, 9);
                         rose(c, 10, -2, 8);
                         rose(c, 0, 16, 9);
                         rose(c, -14, -26, 6);
                         rose(c, 14, -26, 6);
                         rose(c, -16, 34, 5.5);
                         rose(c, 16, 36, 5.5);
                       },
                       Rgb{196, 24, 48}};
    case 15:  // Flower: one tall tulip.
      return BackScene{[](double u, double v) {
                         return (std::fmod(std::fabs(u - v) + 100, 10) < 5) ? Rgb{240, 246, 220} : Rgb{226, 238, 200};
                       },
                       [](Canvas& c) {
                         Path stem;
                         stem.moveTo(0, 38).cubicTo(2, 20, -2, 5, 0, -6);
                         c.stroke(stem, 2.2, Rgb{50, 130, 50});
                         leaf(c, 0, 30, 22, -0.9, Rgb{60, 150, 60});
                         leaf(c, 0, 24, 18, -2.3, Rgb{50, 130, 50});
                         Path bloom;
                         bloom.moveTo(-11, -22).lineTo(-6, -14).lineTo(0, -24).lineTo(6, -14).lineTo(11, -22)
                             .cubicTo(12, -8, 8, -2, 0, -2).cubicTo(-8, -2, -12, -8, -11, -22).close();
                         c.fill(bloom, Rgb{220, 40, 80});
                         Path fold;
                         fold.moveTo(0, -22).cubicTo(-3, -14, -2, -6, 0, -3);
                         c.stroke(fold, 0.8, Rgb{150, 20, 50});
                       },
                       Rgb{60, 150, 60}};
    case 16:  // Japanese woman: a lady in a kimono with her parasol before the red sun.
      return BackScene{[](double u, double v) {
                         const Rgb paper{246, 236, 210};
                         return std::hypot(u - 8, v + 16) < 17 ? Rgb{220, 50, 40} : paper;
                       },
                       [](Canvas& c) {
                         const Rgb ink{24, 20, 30}, kimono{40, 60, 130}, obi{220, 180, 60}, skin{250, 236, 220};
                         c.fill(poly({{-10, 40}, {10, 40}, {6, 4}, {3, -4}, {-3, -4}, {-6, 4}}), kimono);
                         c.fill(poly({{-7, 4}, {7, 4}, {6.5, 9}, {-6.5, 9}}), obi);
                         c.fill(poly({{-6, 5}, {-16, 22}, {-12, 24}, {-4, 12}}), kimono);
                         c.fill(ellipse(0, -10, 4.5, 5.5), skin);
                         c.fill(ellipse(0, -16, 6.5, 4), ink);
                         c.fill(circle(0, -21, 3.5), ink);
                         Path pins;
                         pins.moveTo(-6, -22).lineTo(6, -18);
                         c.stroke(pins, 0.6, obi);
                         Path handle;
                         handle.moveTo(6, 6).lineTo(20, -22);
                         c.stroke(handle, 0.8, ink);
                         Path parasol;
                         parasol.moveTo(4, -24).cubicTo(10, -38, 32, -30, 32, -18).close();
                         c.fill(parasol, Rgb{200, 40, 60}, 0.95);
                         for (int k = 0; k < 6; ++k) {
                           const double x = -24 + (k % 3) * 6, y = 18 + k * 4;
                           daisy(c, x, y, 2.4, Rgb{250, 190, 210}, Rgb{230, 120, 150});
                         }
                       },
                       Rgb{200, 40, 60}};
    case 17:
      return std::nullopt;
    case 18:  // Eagle: wings spread across a mountain sky.
      return BackScene{vertical({60, 120, 200}, {190, 220, 245}),
                       [](Canvas& c) {
                         mountainRange(c, {{-40, 34}, {-20, 22}, {-6, 30}, {12, 18}, {28, 30}, {40, 26}}, 50, Rgb{90, 100, 120}, Rgb{240, 244, 250});
                         const Rgb brown{70, 42, 24}, white{250, 250, 246}, beak{240, 180, 40};
                         for (int side : {-1, 1}) {
                           c.fill(poly({{side * 3.0, -6}, {side * 16.0, -18}, {side * 30.0, -20}, {side * 26.0, -16}, {side * 30.0, -14},
                                        {side * 24.0, -10}, {side * 27.0, -7}, {side * 18.0, -4}, {side * 6.0, 2}}),
                                  brown);
                         }
                         c.fill(ellipse(0, -2, 5, 10), brown);
                         c.fill(poly({{-4, 7}, {4, 7}, {6, 14}, {0, 12}, {-6, 14}}), brown);
                         c.fill(circle(0, -13, 4), white);
                         c.fill(poly({{0, -14}, {5, -12.5}, {1, -10.5}}), beak);
                         c.fill(circle(1, -14, 0.7), Rgb{10, 10, 10});
                       },
                       white};
    case 19:  // Tropical fish among bubbles and weed.
      return BackScene{[](double u, double v) {
                         const double light = 0.5 + 0.5 * std::sin(u * 0.2 + v * 0.05) * std::sin(v * 0.11);
                         return mix(Rgb{0, 80, 140}, Rgb{20, 160, 200}, std::clamp((45 - v) / 90 * 0.8 + light * 0.2, 0.0, 1.0));
                       },
                       [](Canvas& c) {
                         for (double x : {-22.0, -16.0, 20.0}) {
                           Path weed;
                           weed.moveTo(x, 46).cubicTo(x + 5, 34, x - 5, 26, x + 2, 14);
                           c.stroke(weed, 2, Rgb{40, 150, 80});
                         }
                         auto fish = [&](double x, double y, double s, Rgb body, Rgb stripe) {
                           const Affine at = Affine::translate(x, y) * Affine::scale(s, s);
                           Path tail;
                           tail.moveTo(10, 0).lineTo(19, -7).lineTo(17, 0).lineTo(19, 7).close();
                           c.fill(tail.transformed(at), stripe);
                           Path fin;
                           fin.moveTo(-4, -7).lineTo(4, -13).lineTo(7, -6).close();
                           c.fill(fin.transformed(at), stripe);
                           c.fill(ellipse(0, 0, 12, 8).transformed(at), body);
                           for (double sx : {-3.0, 3.5}) {
                             Path band;
                             band.rect(sx - 1.3, -9, 2.6, 18);
                             Canvas& cc = c;
                             cc.fill(band.transformed(at), stripe);
                           }
                           c.fill(circle(-7, -2, 1.6).transformed(at), Rgb{255, 255, 255});
                           c.fill(circle(-7.3, -2, 0.8).transformed(at), Rgb{0, 0, 0});
                         };
                         fish(-2, -4, 1.4, Rgb{255, 190, 30}, Rgb{30, 40, 160});
                         fish(14, 24, 0.7, Rgb{250, 110, 40}, Rgb{255, 255, 255});
                         for (auto [x, y, r] : {std::tuple{-20.0, -30.0, 2.0}, {-17.0, -22.0, 1.4}, {-21.0, -14.0, 1.0}})
                           c.stroke(circle(x, y, r), 0.6, Rgb{200, 240, 255});
                       },
                       white};
    case 20:  // Lake: peaks mirrored in still water.
      return BackScene{[](double u, double v) {
                         if (v < 4) return mix(Rgb{90, 150, 220}, Rgb{200, 225, 245}, std::clamp((v + 45) / 49, 0.0, 1.0));
                         const double ripple = 0.5 + 0.5 * std::sin(v * 2.4 + std::sin(u * 0.3));
                         return mix(Rgb{40, 90, 140}, Rgb{80, 130, 170}, ripple * 0.6);
                       },
                       [](Canvas& c) {
                         mountainRange(c, {{-40, 4}, {-22, -18}, {-10, -6}, {6, -24}, {22, -8}, {40, -14}}, 4, Rgb{80, 96, 120}, Rgb{245, 248, 252});
                         mountainRange(c, {{-40, 4}, {-22, 26}, {-10, 14}, {6, 32}, {22, 16}, {40, 22}}, 4, Rgb{60, 90, 120}, std::nullopt);
                         for (double x : {-30.0, -26.0, 24.0, 29.0}) tree(c, x, 4, 9, Rgb{30, 80, 50});
                       },
                       white};
    case 21:  // Clouds: a summer sky.
      return BackScene{[](double u, double v) {
                         const Rgb c = mix(Rgb{40, 100, 200}, Rgb{140, 190, 240}, std::clamp((v + 45) / 90, 0.0, 1.0));
                         const double cloud = fractalNoise(u / 16, v / 9, 5, 11);
                         return mix(c, Rgb{255, 255, 255}, smooth(0.05, 0.45, cloud) * 0.95);
                       },
                       {}, white};
    case 22:  // Sea: waves rolling in under a bright sky.
      return BackScene{[](double u, double v) {
                         if (v < -8) return mix(Rgb{80, 150, 230}, Rgb{190, 225, 250}, std::clamp((v + 45) / 37, 0.0, 1.0));
                         const double y = v + 2.2 * std::sin(u * 0.3 + v * 0.1) + 0.8 * std::sin(u * 0.9);
                         const double t = std::fmod(y + 100, 7) / 7;
                         const Rgb c = mix(Rgb{10, 60, 120}, Rgb{40, 140, 190}, t);
                         return t > 0.88 ? mix(c, Rgb{240, 250, 255}, (v + 8) / 60 + 0.3) : c;
                       },
                       [](Canvas& c) {
                         c.fill(circle(-16, -28, 6), Rgb{255, 245, 200});
                         for (int k = 0; k < 2; ++k) {
                           Path gull;
                           const double x = 8 + k * 9, y = -30 + k * 5;
                           gull.moveTo(x - 3, y).cubicTo(x - 2, y - 1.5, x - 1, y - 1.5, x, y).cubicTo(x + 1, y - 1.5, x + 2, y - 1.5, x + 3, y);
                           c.stroke(gull, 0.7, Rgb{40, 40, 50});
                         }
                       },
                       white};
    case 23:  // Mountains 1: snowy peaks in a clear sky.
      return BackScene{skyAndGround({40, 110, 210}, {170, 210, 245}, {80, 140, 60}, {40, 90, 40}, 30),
                       [](Canvas& c) {
                         mountainRange(c, {{-40, 20}, {-24, -14}, {-12, 2}, {4, -30}, {20, -6}, {30, -16}, {40, -4}}, 34, Rgb{110, 110, 130}, Rgb{250, 252, 255});
                         mountainRange(c, {{-40, 26}, {-20, 14}, {0, 24}, {24, 12}, {40, 22}}, 34, Rgb{60, 110, 60}, std::nullopt);
                         for (double x : {-30.0, -25.0, -20.0, 22.0, 27.0}) tree(c, x, 36, 8, Rgb{20, 70, 40});
                       },
                       white};
    case 24:  // Penguin on the ice.
      return BackScene{skyAndGround({120, 180, 230}, {210, 235, 250}, {236, 244, 252}, {200, 220, 240}, 26),
                       [](Canvas& c) {
                         mountainRange(c, {{-40, 10}, {-26, -2}, {-14, 12}, {14, 4}, {30, -6}, {40, 8}}, 27, Rgb{225, 238, 250}, std::nullopt);
                         const Rgb black{20, 24, 34}, orange{250, 150, 30};
                         c.fill(ellipse(0, 10, 13, 22), black);
                         c.fill(ellipse(0, 14, 8.5, 16), Rgb{250, 250, 250});
                         c.fill(circle(0, -14, 8.5), black);
                         for (int side : {-1, 1}) {
                           c.fill(ellipse(side * 3, -15, 2.8, 2.4), Rgb{250, 250, 250});
                           c.fill(circle(side * 3, -15, 1.1), black);
                           c.fill(poly({{side * 11.0, -2}, {side * 17.0, 18}, {side * 12.0, 16}}), black);
                           c.fill(ellipse(side * 5, 32, 4.5, 2), orange);
                         }
                         c.fill(poly({{-2.5, -11}, {2.5, -11}, {0, -7}}), orange);
                       },
                       Rgb{60, 110, 170}};
    case 25:  // Mountains 2: ridge behind ridge at sunset.
      return BackScene{vertical({250, 150, 70}, {250, 220, 150}),
                       [](Canvas& c) {
                         c.fill(circle(10, -14, 8), Rgb{255, 240, 190});
                         mountainRange(c, {{-40, -6}, {-26, -20}, {-12, -8}, {4, -24}, {20, -10}, {40, -18}}, 50, Rgb{190, 110, 120}, std::nullopt);
                         mountainRange(c, {{-40, 8}, {-20, -6}, {-4, 6}, {14, -4}, {40, 10}}, 50, Rgb{130, 70, 110}, std::nullopt);
                         mountainRange(c, {{-40, 22}, {-26, 12}, {-8, 24}, {12, 14}, {30, 24}, {40, 18}}, 50, Rgb{80, 40, 80}, std::nullopt);
                         mountainRange(c, {{-40, 36}, {-16, 30}, {4, 38}, {26, 30}, {40, 34}}, 50, Rgb{40, 20, 50}, std::nullopt);
                       },
                       white};
    case 26:  // Hills: rolling green hills with a farmhouse.
      return BackScene{[](double u, double v) {
                         const double h1 = -6 + 6 * std::sin(u * 0.07 + 1), h2 = 10 + 5 * std::sin(u * 0.09 + 3), h3 = 26 + 4 * std::sin(u * 0.12);
                         if (v < h1) return mix(Rgb{100, 170, 240}, Rgb{210, 235, 250}, std::clamp((v + 45) / 45, 0.0, 1.0));
                         const double stripes = 0.04 * std::sin((u + v * 2) * 0.8);
                         if (v < h2) return shade(Rgb{130, 190, 80}, 1 + stripes);
                         if (v < h3) return shade(Rgb{90, 160, 60}, 1 + stripes);
                         return shade(Rgb{60, 130, 50}, 1 + stripes);
                       },
                       [](Canvas& c) {
                         c.fill(poly({{8, 4}, {18, 4}, {18, -3}, {8, -3}}), Rgb{240, 230, 210});
                         c.fill(poly({{7, -3}, {13, -8}, {19, -3}}), Rgb{180, 50, 40});
                         for (double x : {-20.0, -14.0, 26.0}) {
                           c.fill(circle(x, 4, 3.5), Rgb{40, 110, 40});
                           c.fill(poly({{x - 0.6, 6}, {x + 0.6, 6}, {x + 0.6, 10}, {x - 0.6, 10}}), Rgb{90, 60, 30});
                         }
                       },
                       white};
    case 27:  // Horse: a horse galloping over the meadow.
      return BackScene{skyAndGround({110, 170, 230}, {210, 230, 245}, {120, 180, 70}, {70, 130, 50}, 14),
                       [](Canvas& c) {
                         const Rgb coat{110, 60, 30}, mane{40, 22, 12};
                         c.fill(blob({{-14, -2}, {-4, -6}, {8, -6}, {14, -2}, {12, 6}, {0, 8}, {-12, 6}}), coat);
                         c.fill(poly({{8, -4}, {14, -2}, {22, -18}, {18, -21}}), coat);
                         c.fill(blob({{16, -22}, {22, -24}, {30, -17}, {28, -14}, {20, -16}}), coat);
                         c.fill(poly({{18, -23}, {19, -28}, {21, -23}}), coat);
                         c.fill(poly({{18, -22}, {10, -5}, {8, -6}, {15, -21}}), mane);
                         c.fill(circle(23, -19, 0.8), Rgb{10, 10, 10});
                         Path tail;
                         tail.moveTo(-14, -2).cubicTo(-22, 0, -24, 8, -26, 14);
                         c.stroke(tail, 2.2, mane);
                         auto legLine = [&](double x0, double y0, double x1, double y1, double x2, double y2) {
                           Path leg;
                           leg.moveTo(x0, y0).lineTo(x1, y1).lineTo(x2, y2);
                           c.stroke(leg, 2.2, coat);
                           c.fill(circle(x2, y2, 1.3), mane);
                         };
                         legLine(-10, 5, -18, 12, -22, 20);
                         legLine(-6, 6, -4, 14, -8, 22);
                         legLine(8, 5, 16, 10, 20, 6);
                         legLine(10, 5, 12, 14, 10, 22);
                       },
                       white};
    default:
      return std::nullopt;
  }
}

}  // namespace quilloro::artwork
