// The cut corners of a card at every zoom: the card support library's three-pixel corners at scale 1, the same cut drawn finer at other scales.
#include "table/card_corners.hpp"

#include "cardlib/quilloro.h"

namespace quilloro {
namespace {

// The table always asks the library for three-pixel corners.
constexpr int kThreePixelCorners = 0;
constexpr Pixel kSilverEdge = rgbPixel(0xC0, 0xC0, 0xC0);
// A stored pixel belongs to the cut when its centre, in card pixels, lies
// within this distance of the corner along both edges together: at scale 1
// that is the corner pixel and its two neighbours, above it the same diagonal
// cut with finer steps.
constexpr double kCutReach = 2.0;

enum Corner { kUpperLeft = 1, kUpperRight = 2, kLowerLeft = 4, kLowerRight = 8 };

// Calls visit(fromX, fromY, toX, toY) for every stored pixel of the cut at the
// corners asked for, positions in the stored pixels of each surface.
template <class Visit>
void forEachCutPixel(const PixelSurface& from, const PixelRect& fromCard, const PixelSurface& to,
                     const PixelRect& toCard, int corners, Visit visit) {
  const PixelRect f = from.storedRect(fromCard), t = to.storedRect(toCard);
  const double scale = to.scale();
  const int reach = static_cast<int>(kCutReach * scale) + 1;
  for (int j = 0; j < reach; ++j) {
    for (int i = 0; i < reach; ++i) {
      if ((i + 0.5) / scale + (j + 0.5) / scale > kCutReach + 1e-9) continue;
      if (corners & kUpperLeft) visit(f.left + i, f.top + j, t.left + i, t.top + j);
      if (corners & kUpperRight) visit(f.right() - 1 - i, f.top + j, t.right() - 1 - i, t.top + j);
      if (corners & kLowerLeft) visit(f.left + i, f.bottom() - 1 - j, t.left + i, t.bottom() - 1 - j);
      if (corners & kLowerRight) visit(f.right() - 1 - i, f.bottom() - 1 - j, t.right() - 1 - i, t.bottom() - 1 - j);
    }
  }
}

bool insideStore(const PixelSurface& s, int x, int y) {
  return x >= 0 && y >= 0 && x < s.storedWidth() && y < s.storedHeight();
}

void copyScaled(PixelSurface& from, const PixelRect& fromCard, PixelSurface& to, const PixelRect& toCard, int corners) {
  forEachCutPixel(from, fromCard, to, toCard, corners, [&](int fx, int fy, int tx, int ty) {
    if (insideStore(from, fx, fy) && insideStore(to, tx, ty)) to.row(ty)[tx] = from.row(fy)[fx];
  });
}

void silverScaled(PixelSurface& to, const PixelRect& toCard) {
  forEachCutPixel(to, toCard, to, toCard, kLowerRight, [&](int, int, int tx, int ty) {
    if (insideStore(to, tx, ty)) to.row(ty)[tx] = kSilverEdge;
  });
}

// Below scale 1 the shadow's dots are the stored pixels themselves, every
// other one, so that the screen keeps its even weave however the table
// pixels fall on the stored ones.
void drawShadowScreen(PixelSurface& target, const PixelRect& card) {
  const PixelRect strips[] = {
      {card.right(), card.top + 7, 7, card.height - 6},     // right of the card
      {card.left + 8, card.bottom(), card.width - 1, 7},    // below it
  };
  for (const PixelRect& strip : strips) {
    const PixelRect r = target.storedRect(strip);
    for (int y = r.top; y < r.bottom(); ++y)
      for (int x = r.left + ((r.left + y) % 2 != 0 ? 1 : 0); x < r.right(); x += 2)
        if (insideStore(target, x, y)) target.row(y)[x] = kOpaqueAlpha;
  }
}

}  // namespace

void copyCardCorners(PixelSurface& from, const PixelRect& fromCard, PixelSurface& to, const PixelRect& toCard,
                     CardCorners which) {
  if (from.scale() == 1.0 && to.scale() == 1.0) {
    QuilloroSurface src = from.libraryView();
    QuilloroSurface dst = to.libraryView();
    const PixelRect& f = fromCard;
    const PixelRect& t = toCard;
    switch (which) {
      case CardCorners::All:
        fDisegnaAngoliCarta(&src, f.left, f.top, f.right(), f.bottom(), &dst, t.left, t.top, t.right(), t.bottom(),
                            kThreePixelCorners);
        break;
      case CardCorners::Upper:
        fDisegnaAngoliSupCarta(&src, f.left, f.top, f.right(), f.bottom(), &dst, t.left, t.top, t.right(),
                               t.bottom(), kThreePixelCorners);
        break;
      case CardCorners::Lower:
        fDisegnaAngoliInfCarta(&src, f.left, f.top, f.right(), f.bottom(), &dst, t.left, t.top, t.right(),
                               t.bottom(), kThreePixelCorners);
        break;
      case CardCorners::LowerOnPile:
        fDisegnaAngoliInfCarta3DPile(&src, f.left, f.top, f.right(), f.bottom(), &dst, t.left, t.top, t.right(),
                                     t.bottom(), kThreePixelCorners);
        break;
    }
    return;
  }
  switch (which) {
    case CardCorners::All: copyScaled(from, fromCard, to, toCard, kUpperLeft | kUpperRight | kLowerLeft | kLowerRight); break;
    case CardCorners::Upper: copyScaled(from, fromCard, to, toCard, kUpperLeft | kUpperRight); break;
    case CardCorners::Lower: copyScaled(from, fromCard, to, toCard, kLowerLeft | kLowerRight); break;
    case CardCorners::LowerOnPile:
      copyScaled(from, fromCard, to, toCard, kLowerLeft);
      silverScaled(to, toCard);
      break;
  }
}

void drawCardShadow(PixelSurface& target, const PixelRect& card) {
  if (target.scale() == 1.0) {
    QuilloroSurface surface = target.libraryView();
    fDisegnaOmbraCarta(&surface, card.left, card.top, card.right(), card.bottom());
    return;
  }
  if (target.scale() < 1.0) {
    drawShadowScreen(target, card);
    return;
  }
  // The same dots, each as large as a table pixel: the shadow is a screen of
  // dots, whatever the zoom.
  const int l = card.left, t = card.top, r = card.right(), b = card.bottom();
  const Pixel black = kOpaqueAlpha;
  for (int x = r; x <= r + 6; ++x) {
    const int column = x - r;
    const int start = column == 6 ? t + 9 : (column % 2 == 0 ? t + 7 : t + 8);
    for (int y = start; y <= b; y += 2) target.setPixel(x, y, black);
  }
  for (int y = b; y <= b + 6; ++y) {
    const int row = y - b;
    const int start = row == 6 ? l + 10 : (row % 2 == 0 ? l + 8 : l + 9);
    const int end = row >= 5 ? r + 4 : r + 6;
    for (int x = start; x <= end; x += 2) target.setPixel(x, y, black);
  }
  target.setPixel(r - 1, b - 2, black);
  target.setPixel(r - 2, b - 1, black);
}

}  // namespace quilloro
