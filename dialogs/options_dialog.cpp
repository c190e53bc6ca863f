// The Options window: every control shows a setting when opened and OK writes them all back and applies them.
#include "dialogs/options_dialog.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/widgets/message_boxes.hpp"
#include "app/core/play_aid_keys.hpp"
#include "dialogs/dialog_host.hpp"
#include "stats/hi_score_table.hpp"
#include "stats/result_files.hpp"

namespace quilloro {
namespace {

const char* yesNoFlag(bool on) { return on ? "Y" : "N"; }
bool notNo(const std::string& value) { return value.empty() || value.front() != 'N'; }

QCheckBox* box(const QString& caption, const char* name, QWidget* parent) {
  auto* check = new QCheckBox(caption, parent);
  check->setObjectName(QString::fromLatin1(name));
  return check;
}

}  // namespace

TfrmOpzioni::TfrmOpzioni(DialogHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName(QStringLiteral("frmOpzioni"));
  setWindowTitle(host_.text(1450, "Options").remove('&'));
  buildPages();
  showSettings();
}

void TfrmOpzioni::buildPages() {
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  layout->addWidget(pages_);

  // General: options, toolbar, time and scores, language.
  auto* general = new QWidget;
  auto* generalLayout = new QGridLayout(general);
  auto* options = new QGroupBox(host_.text(6301, "General options "), general);
  auto* optionsLayout = new QVBoxLayout(options);
  confirmExit_ = box(host_.text(1465, "Confirm on e&xit"), "chkConfirmExit", options);
  winningAnimation_ = box(host_.text(1455, "&Winning animation"), "chkWinningAnimation", options);
  confirmQuitGame_ = box(host_.text(6302, "C&onfirm quit game"), "chkConfirmQuitGame", options);
  confirmHiScores_ = box(host_.text(6303, "Show dialog box enter &Hi-Scores"), "chkConfirmHiScores", options);
  for (QCheckBox* check : {confirmExit_, winningAnimation_, confirmQuitGame_, confirmHiScores_}) optionsLayout->addWidget(check);
  // Kept but not shown: it is read and written back like the others.
  toolbar_ = box(host_.text(6304, "Show &toolbar"), "chkToolbar", general);
  toolbar_->hide();


  auto* toolbarGroup = new QGroupBox(host_.text(6305, "Toolbar "), general);
  auto* toolbarLayout = new QVBoxLayout(toolbarGroup);
  largeIcons_ = box(host_.text(6306, "&Large icons"), "chkLargeIcons", toolbarGroup);
  flatButtons_ = box(host_.text(6307, "&Flat buttons"), "chkFlatButtons", toolbarGroup);
  toolbarLayout->addWidget(largeIcons_);
  toolbarLayout->addWidget(flatButtons_);

  auto* panels = new QGroupBox(host_.text(6308, "Time / Scores options"), general);
  auto* panelsLayout = new QVBoxLayout(panels);
  showTime_ = box(host_.text(1464, "Show &time"), "chkShowTime", panels);
  showScore_ = box(host_.text(6309, "Show sco&re"), "chkShowScore", panels);
  panelsLayout->addWidget(showTime_);
  panelsLayout->addWidget(showScore_);

  auto* languageGroup = new QGroupBox(host_.text(6310, "Language "), general);
  auto* languageLayout = new QVBoxLayout(languageGroup);
  language_ = new QComboBox(languageGroup);
  language_->setObjectName(QStringLiteral("cmbLanguage"));
  // Each language is named in its own words.
  language_->addItem(QStringLiteral("English"), kEnglishBase);
  language_->addItem(QStringLiteral("Italiano"), kItalianBase);
  languageLayout->addWidget(language_);

  generalLayout->addWidget(options, 0, 0, 2, 1);
  generalLayout->addWidget(toolbarGroup, 0, 1);
  generalLayout->addWidget(panels, 1, 1);
  generalLayout->addWidget(languageGroup, 2, 0, 1, 2);
  pages_->addTab(general, host_.text(6311, "&General"));

  // Undo and redo.
  auto* undoPage = new QWidget;
  auto* undoLayout = new QVBoxLayout(undoPage);
  auto* undoGroup = new QGroupBox(host_.text(6312, "Undo/Redo options "), undoPage);
  auto* undoGroupLayout = new QVBoxLayout(undoGroup);
  undo_ = new QButtonGroup(this);
  const char* undoCaptions[] = {"U&nlimited levels", "Only &one undo/redo", "Undo/redo di&sabled"};
  for (int item = 0; item < 3; ++item) {
    auto* radio = new QRadioButton(host_.text(6313 + item, undoCaptions[item]), undoGroup);
    radio->setObjectName(QStringLiteral("rbUndo%1").arg(item));
    undo_->addButton(radio, item);
    undoGroupLayout->addWidget(radio);
  }
  undoLayout->addWidget(undoGroup);
  undoLayout->addStretch();
  pages_->addTab(undoPage, host_.text(6316, "&Undo/Redo"));

  // The play aids: the status bar that shows their words, the verdict, the turning.
  auto* aidsPage = new QWidget;
  auto* aidsPageLayout = new QVBoxLayout(aidsPage);
  auto* aids = new QGroupBox(host_.text(7680, "Play aids "), aidsPage);
  auto* aidsLayout = new QVBoxLayout(aids);
  statusBar_ = box(host_.text(1453, "Show &statusbar"), "chkStatusBar", aids);
  showWinnable_ = box(host_.text(7681, "Show whether the deal can still be &won"), "chkShowWinnable", aids);
  autoTurn_ = box(host_.text(7682, "Turn uncovered cards by them&selves"), "chkAutoTurn", aids);
  for (QCheckBox* check : {statusBar_, showWinnable_, autoTurn_}) aidsLayout->addWidget(check);
  aidsPageLayout->addWidget(aids);
  aidsPageLayout->addStretch();
  pages_->addTab(aidsPage, host_.text(7683, "&Play aids"));

  // Scores.
  auto* scoresPage = new QWidget;
  auto* scoresLayout = new QVBoxLayout(scoresPage);
  auto* clearGroup = new QGroupBox(host_.text(6317, "Clear scores "), scoresPage);
  auto* clearLayout = new QHBoxLayout(clearGroup);
  auto* label = new QLabel(host_.text(6318, "Click this button to clear all scores:"), clearGroup);
  label->setWordWrap(true);
  clearScores_ = new QPushButton(host_.text(6319, "C&lear scores"), clearGroup);
  clearScores_->setObjectName(QStringLiteral("btnClearScores"));
  connect(clearScores_, &QPushButton::clicked, this, &TfrmOpzioni::btnClearScoresClick);
  clearLayout->addWidget(label, 1);
  clearLayout->addWidget(clearScores_);
  scoresLayout->addWidget(clearGroup);
  scoresLayout->addStretch();
  pages_->addTab(scoresPage, host_.text(6320, "S&cores"));

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(host_.text(3, "Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  QPushButton* help = buttons->addButton(QStringLiteral("&?"), QDialogButtonBox::HelpRole);
  help->setObjectName(QStringLiteral("btnHelp"));
  connect(help, &QPushButton::clicked, this, [this] { host_.showHelp(); });
  connect(ok, &QPushButton::clicked, this, &TfrmOpzioni::btnOKClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(buttons);
  setMinimumSize(415, 245);
}

void TfrmOpzioni::showSettings() {
  const SettingsStore& store = host_.store();
  const IniFile file = store.preferences();
  auto key = [&](std::string_view name, std::string_view fallback) { return file.readString(prefkey::Section, name, fallback); };
  confirmExit_->setChecked(notNo(key(prefkey::ConfirmQuit, "Y")));
  winningAnimation_->setChecked(store.get(field::WinningAnimation) == "Y");
  confirmQuitGame_->setChecked(notNo(key(field::ConfirmQuitGame.key, "Y")));
  confirmHiScores_->setChecked(notNo(key(field::ConfirmEnterHiScores.key, "Y")));
  toolbar_->setChecked(key(prefkey::ToolBarVisible, "Y") == "Y");
  statusBar_->setChecked(store.get(field::StatusBar) != "N");
  showWinnable_->setChecked(key(prefkey::ShowWinnable, "N") == "Y");
  autoTurn_->setChecked(key(prefkey::AutoTurn, "N") == "Y");
  largeIcons_->setChecked(key(prefkey::ToolBarLarge, "N") == "Y");
  flatButtons_->setChecked(key(prefkey::ToolBarFlat, "Y") == "Y");
  showTime_->setChecked(store.get(field::ShowTime) != "N");
  showScore_->setChecked(store.get(field::ShowScore) != "N");
  const std::string undo = store.get(field::UndoEnabled);
  undo_->button(undo == "2" ? 2 : undo == "1" ? 1 : 0)->setChecked(true);
  language_->setCurrentIndex(host_.languageBase() == kItalianBase ? 1 : 0);
}

void TfrmOpzioni::btnOKClick() {
  SettingsStore& store = host_.store();
  const int previousLanguage = host_.languageBase();
  const int language = language_->currentData().toInt();
  const std::string statusBar = statusBar_->isChecked() ? "S" : "N";
  const int undo = std::max(0, undo_->checkedId());
  const std::vector<IniEntry> entries{
      {std::string(field::ShowTime.key), yesNoFlag(showTime_->isChecked())},
      {std::string(field::ShowScore.key), yesNoFlag(showScore_->isChecked())},
      {std::string(field::Language.key), std::to_string(language)},
      {std::string(field::StatusBar.key), statusBar},
      {std::string(prefkey::ConfirmQuit), yesNoFlag(confirmExit_->isChecked())},
      {std::string(field::ConfirmQuitGame.key), yesNoFlag(confirmQuitGame_->isChecked())},
      {std::string(field::ConfirmEnterHiScores.key), yesNoFlag(confirmHiScores_->isChecked())},
      {std::string(field::UndoEnabled.key), std::to_string(undo)},
      {std::string(field::WinningAnimation.key), yesNoFlag(winningAnimation_->isChecked())},
      {std::string(prefkey::ToolBarVisible), yesNoFlag(toolbar_->isChecked())},
      {std::string(prefkey::ToolBarLarge), yesNoFlag(largeIcons_->isChecked())},
      {std::string(prefkey::ToolBarFlat), yesNoFlag(flatButtons_->isChecked())},
      {std::string(prefkey::ShowWinnable), yesNoFlag(showWinnable_->isChecked())},
      {std::string(prefkey::AutoTurn), yesNoFlag(autoTurn_->isChecked())},
  };
  if (const FileError error = store.preferences().writeStrings(prefkey::Section, entries))
    host_.boxes().error(host_.errorTitle(), QString::fromStdString(*error));

  store.set(field::ShowTime, yesNoFlag(showTime_->isChecked()));
  store.set(field::ShowScore, yesNoFlag(showScore_->isChecked()));
  store.setInteger(field::Language, language);
  store.set(field::StatusBar, statusBar);
  store.set(field::UndoEnabled, std::to_string(undo));
  store.set(field::WinningAnimation, yesNoFlag(winningAnimation_->isChecked()));
  store.set(field::ConfirmQuitGame, yesNoFlag(confirmQuitGame_->isChecked()));
  store.set(field::ConfirmEnterHiScores, yesNoFlag(confirmHiScores_->isChecked()));

  host_.applyToolbar(largeIcons_->isChecked(), flatButtons_->isChecked());
  host_.applyPanels(showTime_->isChecked(), showScore_->isChecked());
  if (previousLanguage != language) host_.applyLanguage();
  host_.applyStatusBar(statusBar != "N");
  accept();
}

void TfrmOpzioni::btnClearScoresClick() {
  if (!host_.boxes().confirm(host_.text(6321, kClearQuestion))) return;
  stats::HiScoreFile file(stats::ResultFiles::under(host_.homeFolder()).hiScores);
  if (const FileError error = file.clearAll()) {
    host_.boxes().error(host_.errorTitle(), QString::fromStdString(*error));
    return;
  }
  host_.boxes().information(host_.text(6322, kCleared));
}

}  // namespace quilloro
