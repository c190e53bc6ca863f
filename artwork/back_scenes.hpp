// The pictures on the named card backs: each a ground painted per point and a figure of paths drawn over it.
#pragma once

#include <functional>
#include <optional>

#include "artwork/canvas.hpp"

namespace quilloro::artwork {

// u and v are measured from the card's centre in pixels of the big card;
// the patterned field reaches about 32 across and 45 down from it.
using BackGround = std::function<Rgb(double u, double v)>;
using BackFigure = std::function<void(Canvas& canvas)>;

struct BackScene {
  BackGround ground;
  BackFigure figure;  // drawn in the same u, v units; may be empty
  Rgb line;           // the thin line inside the white margin
};

// The scene of a back named in the Customize window (numbers 1 to 27), or
// nothing for the plain patterns.
std::optional<BackScene> backScene(int number);

}  // namespace quilloro::artwork
