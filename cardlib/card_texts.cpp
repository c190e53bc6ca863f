// A growable store of card texts kept for other users of the library.
#include <string>
#include <vector>

#include "cardlib/quilloro.h"

namespace {

std::vector<std::string>& cardTexts() {
  static std::vector<std::string> texts;
  return texts;
}

}  // namespace

extern "C" {

int32_t fInitVariabiliDLL(void) {
  cardTexts().assign(52, std::string());
  return 0;
}

// The text stays valid until the next call from the same thread.
const char* fGetCarte(int32_t index) {
  thread_local std::string copy;
  const std::vector<std::string>& texts = cardTexts();
  copy = index >= 0 && static_cast<std::size_t>(index) < texts.size() ? texts[static_cast<std::size_t>(index)]
                                                                        : std::string();
  return copy.c_str();
}

int32_t fcharSetCarte(int32_t index, const char* text) {
  if (index < 0) return index;
  std::vector<std::string>& texts = cardTexts();
  if (static_cast<std::size_t>(index) >= texts.size()) texts.resize(static_cast<std::size_t>(index) + 1);
  texts[static_cast<std::size_t>(index)] = text != nullptr ? text : "";
  return index;
}

}  // extern "C"
