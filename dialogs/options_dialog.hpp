// The Options window: confirmations, winning animation, toolbar look, time and score panels, undo, language, clearing the hi-scores.
#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QTabWidget;

namespace quilloro {

class DialogHost;

class TfrmOpzioni : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kClearQuestion = "Clear Hi-Scores of all players and all games?";
  static constexpr const char* kCleared = "Hi-Scores cleared.";

  explicit TfrmOpzioni(DialogHost& host, QWidget* parent = nullptr);

  // The controls, by the names the tests look for.
  QTabWidget* pages() const { return pages_; }
  QCheckBox* chkConfirmExit() const { return confirmExit_; }
  QCheckBox* chkWinningAnimation() const { return winningAnimation_; }
  QCheckBox* chkConfirmQuitGame() const { return confirmQuitGame_; }
  QCheckBox* chkConfirmHiScores() const { return confirmHiScores_; }
  QCheckBox* chkToolbar() const { return toolbar_; }
  QCheckBox* chkStatusBar() const { return statusBar_; }
  QCheckBox* chkLargeIcons() const { return largeIcons_; }
  QCheckBox* chkFlatButtons() const { return flatButtons_; }
  QCheckBox* chkShowTime() const { return showTime_; }
  QCheckBox* chkShowScore() const { return showScore_; }
  QCheckBox* chkShowWinnable() const { return showWinnable_; }
  QCheckBox* chkAutoTurn() const { return autoTurn_; }
  QComboBox* cmbLanguage() const { return language_; }
  QButtonGroup* rgUndo() const { return undo_; }
  QPushButton* btnClearScores() const { return clearScores_; }

 public Q_SLOTS:
  void btnOKClick();
  void btnClearScoresClick();

 private:
  void buildPages();
  void showSettings();

  DialogHost& host_;
  QTabWidget* pages_ = nullptr;
  QCheckBox* confirmExit_ = nullptr;
  QCheckBox* winningAnimation_ = nullptr;
  QCheckBox* confirmQuitGame_ = nullptr;
  QCheckBox* confirmHiScores_ = nullptr;
  QCheckBox* toolbar_ = nullptr;
  QCheckBox* statusBar_ = nullptr;
  QCheckBox* largeIcons_ = nullptr;
  QCheckBox* flatButtons_ = nullptr;
  QCheckBox* showTime_ = nullptr;
  QCheckBox* showScore_ = nullptr;
  QCheckBox* showWinnable_ = nullptr;
  QCheckBox* autoTurn_ = nullptr;
  QComboBox* language_ = nullptr;
  QButtonGroup* undo_ = nullptr;
  QPushButton* clearScores_ = nullptr;
};

}  // namespace quilloro
