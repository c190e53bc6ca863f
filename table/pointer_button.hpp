// The mouse buttons the table tells apart.
#pragma once

namespace quilloro {

enum class PointerButton { Left, Right, Middle };

}  // namespace quilloro
