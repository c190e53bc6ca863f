// The preference keys of the play aids, both off unless "Y": the status bar's
// "can this deal still be won?" line and the turning of uncovered cards by themselves.
#pragma once

#include <string_view>

namespace quilloro::prefkey {
inline constexpr std::string_view ShowWinnable = "Show_Winnable";
inline constexpr std::string_view AutoTurn = "Auto_Turn";
}  // namespace quilloro::prefkey
