// Card backs: a white margin round a patterned field, one design per back number.
#pragma once

#include "tools/artwork/bmp_writer.hpp"
#include "tools/artwork/card_geometry.hpp"

namespace quilloro::artwork {

// Back numbers run from 1 to cardBackCount(); 11 is the default back.
int cardBackCount();
Bitmap renderCardBack(int number, CardSize size);

}  // namespace quilloro::artwork
