// What the options, customize, card counter and tips windows ask of the main window they serve.
#pragma once

#include <QString>
#include <filesystem>

#include "app/core/settings_store.hpp"
#include "app/core/string_table.hpp"

namespace quilloro {

class GameState;
class MessageBoxes;
class SoundPlayer;

class DialogHost {
 public:
  virtual ~DialogHost() = default;

  virtual SettingsStore& store() = 0;
  virtual const StringTable& strings() const = 0;
  // The language base of the interface, 20000 (English) or 10000 (Italian).
  virtual int languageBase() const = 0;
  virtual MessageBoxes& boxes() = 0;
  virtual SoundPlayer& sounds() = 0;
  // The installation folder (Images, Resources, SOUNDS) and the folder of DATA.
  virtual std::filesystem::path installFolder() const = 0;
  virtual std::filesystem::path homeFolder() const = 0;
  virtual long long displayColours() const = 0;

  // The look of the main window, applied without writing the preferences again.
  virtual void applyToolbar(bool large, bool flat) = 0;
  virtual void applyPanels(bool showTime, bool showScore) = 0;
  virtual void applyStatusBar(bool visible) = 0;
  // Every menu caption again in the language of the settings.
  virtual void applyLanguage() = 0;
  // Card pictures, back and background again from the settings, the table
  // laid out and drawn: what the player sees after Apply.
  virtual void applyLook() = 0;
  // The window's pointer again from the Cursor setting.
  virtual void applyPointer() = 0;

  // The help file at its contents: the "&?" buttons.
  virtual void showHelp() = 0;

  // The game on the table, or none before the first deal.
  virtual const GameState* gameOnTable() const = 0;

  // A text of the string table in the current language, "&" kept.
  QString text(int offset, const char* english) const {
    const std::string& found = strings().text(languageBase(), offset);
    return found.empty() ? QString::fromUtf8(english) : QString::fromStdString(found);
  }
  // The caption of an error box.
  QString errorTitle() const { return text(kErrorTitleText, "Error"); }
  static constexpr int kErrorTitleText = 5202;
};

}  // namespace quilloro
