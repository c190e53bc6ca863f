// The pictures of the toolbar buttons, drawn by the program itself at any size.
#pragma once

#include <QIcon>

namespace quilloro {

// The toolbar buttons, in their order on the bar.
enum class ToolButton { New, Open, Restart, Save, Undo, Redo, Autoplay, Statistics, Rules, Exit };
inline constexpr int kToolButtonCount = 10;

// A square picture of side pixels.
QIcon toolbarIcon(ToolButton button, int side);

}  // namespace quilloro
