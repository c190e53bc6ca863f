// The game's messages to the player in the player's language, recognised by their English wording.
#pragma once

#include <string>
#include <string_view>

#include "app/core/string_table.hpp"

namespace quilloro {

// The block of the string table that holds the recognised messages.
inline constexpr int kFirstMessageText = 5301;
inline constexpr int kLastMessageText = 5399;

// The message in the language whose base is given. An English text of the
// block either equals the message or ends in "%1", which then stands for the
// rest of the message (a number, a file name and the reason); the text of
// the same offset in the language, with "%1" filled in, is the answer. A
// message the block does not know stays as it is.
std::string translatedMessage(const StringTable& strings, int languageBase, std::string_view english);

}  // namespace quilloro
