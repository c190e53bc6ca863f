// What the table does with the pointer: pressing, carrying, dropping and double-clicking cards.
#pragma once

namespace quilloro {

enum class PointerButton { Left, Right };

// Coordinates are table pixels, the same as the pile anchors.
class TablePointerHandler {
 public:
  virtual ~TablePointerHandler() = default;
  virtual void press(PointerButton button, int x, int y) = 0;
  virtual void move(int x, int y) = 0;
  virtual void release() = 0;
  virtual void doubleClick() = 0;
};

}  // namespace quilloro
