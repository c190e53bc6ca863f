// The game's messages recognised by their English wording and shown in the player's language.
#include "app/core/message_translation.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace quilloro {
namespace {

StringTable table() {
  StringTable strings;
  strings.set(kEnglishBase + 5301, "Restart this game?\nGame number: %1");
  strings.set(kItalianBase + 5301, "Ricominciare questa partita?\nNumero della partita: %1");
  strings.set(kEnglishBase + 5302, "Before deal, fill any gaps in the tableau");
  strings.set(kItalianBase + 5302, "Prima di distribuire, riempi gli spazi vuoti sul tavolo");
  strings.set(kEnglishBase + 5303, "Cannot read %1");
  // 5304 has no Italian text.
  strings.set(kEnglishBase + 5304, "Cannot write %1");
  return strings;
}

TEST(MessageTranslation, FixedAndOpenMessagesAreShownInTheLanguageAndOthersStayAsTheyAre) {
  const StringTable strings = table();
  EXPECT_EQ(translatedMessage(strings, kItalianBase, "Restart this game?\nGame number: 0000000012345"),
            "Ricominciare questa partita?\nNumero della partita: 0000000012345");
  EXPECT_EQ(translatedMessage(strings, kItalianBase, "Before deal, fill any gaps in the tableau"),
            "Prima di distribuire, riempi gli spazi vuoti sul tavolo");
  // A fixed text matches whole, never as the start of a longer one.
  EXPECT_EQ(translatedMessage(strings, kItalianBase, "Before deal, fill any gaps in the tableau!"),
            "Before deal, fill any gaps in the tableau!");
  // An open text needs something in the place of "%1".
  EXPECT_EQ(translatedMessage(strings, kItalianBase, "Cannot read "), "Cannot read ");
  // Without a text in the language, and in English, the message is shown as it came.
  EXPECT_EQ(translatedMessage(strings, kItalianBase, "Cannot write /tmp/x: disk full"), "Cannot write /tmp/x: disk full");
  EXPECT_EQ(translatedMessage(strings, kEnglishBase, "Cannot read /tmp/x: gone"), "Cannot read /tmp/x: gone");
  EXPECT_EQ(translatedMessage(strings, kItalianBase, "Something else"), "Something else");
  // A "%1" in the varying part is copied, never filled again.
  EXPECT_EQ(translatedMessage(strings, kItalianBase, "Restart this game?\nGame number: %1"),
            "Ricominciare questa partita?\nNumero della partita: %1");
}

// Every message of the shipped texts has its Italian wording, with the varying part where the English has it.
TEST(MessageTranslation, EveryShippedMessageHasItsItalianTextWithThePlaceholder) {
  const char* home = std::getenv("QUILLORO_HOME");
  ASSERT_NE(home, nullptr);
  const StringTable strings = StringTable::load(std::filesystem::path(home) / "Strings");
  int found = 0;
  for (int offset = kFirstMessageText; offset <= kLastMessageText; ++offset) {
    const std::string& english = strings.text(kEnglishBase + offset);
    if (english.empty()) continue;
    ++found;
    const std::string& italian = strings.text(kItalianBase + offset);
    ASSERT_FALSE(italian.empty()) << offset;
    EXPECT_EQ(english.find("%1") != std::string::npos, italian.find("%1") != std::string::npos) << offset;
  }
  EXPECT_GT(found, 10);
}

}  // namespace
}  // namespace quilloro
