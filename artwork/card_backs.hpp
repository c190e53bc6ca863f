// Card backs: a white margin round a patterned field, one design per back number.
#pragma once

#include "artwork/bmp_writer.hpp"
#include "artwork/card_geometry.hpp"

namespace quilloro::artwork {

// Back numbers run from 1 to cardBackCount(); 11 is the default back.
int cardBackCount();
// At a zoom above 1 the back is drawn larger on zoomedLength(width) x zoomedLength(height) pixels.
Bitmap renderCardBack(int number, CardSize size, double zoom = 1.0);

}  // namespace quilloro::artwork
