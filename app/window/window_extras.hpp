// The options, customize, card counter and tips windows, set into the main window's commands.
#pragma once

#include <QObject>

#include "dialogs/dialog_host.hpp"

namespace quilloro {

class MainWindow;
class TfrmCardCounter;

// Made once after the main window and living as long as it; the card
// counter window lives as long, the other dialogs are made for each use.
class WindowExtras : public QObject, public DialogHost {
 public:
  explicit WindowExtras(MainWindow& window);

  TfrmCardCounter& cardCounter() { return *counter_; }

  // --- DialogHost ---
  SettingsStore& store() override;
  const StringTable& strings() const override;
  int languageBase() const override;
  MessageBoxes& boxes() override;
  SoundPlayer& sounds() override;
  std::filesystem::path installFolder() const override;
  std::filesystem::path homeFolder() const override;
  long long displayColours() const override;
  void applyToolbar(bool large, bool flat) override;
  void applyPanels(bool showTime, bool showScore) override;
  void applyStatusBar(bool visible) override;
  void applyLanguage() override;
  void applyLook() override;
  void applyPointer() override;
  void showHelp() override;
  const GameState* gameOnTable() const override;

 private:
  void showOptions();
  void showCustomize();
  void showTips();
  void toggleCardCounter();

  MainWindow& window_;
  TfrmCardCounter* counter_ = nullptr;
};

}  // namespace quilloro
