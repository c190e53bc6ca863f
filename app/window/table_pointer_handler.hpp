// What the table does with the pointer: pressing, carrying, dropping and double-clicking cards.
#pragma once

#include "table/pointer_button.hpp"

namespace quilloro {

// Coordinates are table pixels, the same as the pile anchors.
class TablePointerHandler {
 public:
  virtual ~TablePointerHandler() = default;
  virtual void press(PointerButton button, int x, int y) = 0;
  virtual void move(int x, int y) = 0;
  virtual void release() = 0;
  // Where the second press of the double-click came.
  virtual void doubleClick(int x, int y) = 0;
};

}  // namespace quilloro
