// The game's messages to the player in the player's language, recognised by their English wording.
#include "app/core/message_translation.hpp"

namespace quilloro {

namespace {
constexpr std::string_view kPlaceholder = "%1";
}

std::string translatedMessage(const StringTable& strings, int languageBase, std::string_view english) {
  if (languageBase == kEnglishBase) return std::string(english);
  for (int offset = kFirstMessageText; offset <= kLastMessageText; ++offset) {
    const std::string& pattern = strings.text(kEnglishBase + offset);
    if (pattern.empty()) continue;
    std::string_view rest;
    const bool open = pattern.size() >= kPlaceholder.size() &&
                      std::string_view(pattern).substr(pattern.size() - kPlaceholder.size()) == kPlaceholder;
    if (open) {
      const std::string_view prefix = std::string_view(pattern).substr(0, pattern.size() - kPlaceholder.size());
      if (english.size() <= prefix.size() || english.substr(0, prefix.size()) != prefix) continue;
      rest = english.substr(prefix.size());
    } else if (english != pattern) {
      continue;
    }
    const std::string& translated = strings.text(languageBase + offset);
    if (translated.empty()) return std::string(english);
    std::string out = translated;
    if (const std::size_t at = out.find(kPlaceholder); open && at != std::string::npos)
      out.replace(at, kPlaceholder.size(), rest);
    return out;
  }
  return std::string(english);
}

}  // namespace quilloro
