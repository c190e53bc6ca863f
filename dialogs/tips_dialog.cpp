// Tip of the Day: the pages, stepping between them, and the page and start-up choice kept in the preferences.
#include "dialogs/tips_dialog.hpp"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/message_boxes.hpp"
#include "dialogs/dialog_host.hpp"

namespace quilloro {

const char* const kTips[TfrmTips::kTipCount] = {
    "You can open one of the last games you played by choosing Open a saved game button in the Open a game dialog.",
    "You can restart the current game by pressing Ctrl+F2.",
    "You can undo your last move by pressing Ctrl+Z. To undo more than one move, press the key again.",
    "You can press Ctrl+Z and Ctrl+Y to move to the next and previous move of the current game.",
    "You can press F4 to display the Statistics dialog.",
    "You can press F9 to display the Hi-Scores dialog.",
    "You can press F8 to display the Card counter.",
    "Quilloro displays the name of a toolbar button when you point to the button.",
    "You can press Ctrl+U to display the Customize dialog.",
    "You can press Ctrl+O to display the Options dialog box.",
    "You can double clicking a face up card for automatically move it to the first legal pile available.",
    "You can click the Autoplay button on the toolbar to play automatically cards in the foundations when possible.",
    "There are over nine trillions starting positions for each game! You can press F3 to select a game number. ",
    "You can choose from dozen different card back design by using the Customize dialog.",
    "You can choose from dozen different background design by using the Customize dialog.",
    "You can add, edit or delete a player by choosing Players dialog box.",
    "You can turn the sounds on and off with the sounds options in the Options dialog.",
    "You can include your favourites games in folder \"Favourite games\" by clicking right mouse button in the Open a game dialog.",
    "You can click right mouse button on the visible part of a card, in order to see it in full.",
};

namespace {
constexpr int kFirstTipText = 6601;
}  // namespace

TfrmTips::TfrmTips(DialogHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName(QStringLiteral("frmTips"));
  setWindowTitle(host_.text(6620, "Tip of the Day"));
  auto* layout = new QVBoxLayout(this);

  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setAutoFillBackground(true);
  QPalette paper = panel->palette();
  paper.setColor(QPalette::Window, QColor(255, 255, 238));
  paper.setColor(QPalette::WindowText, Qt::black);
  panel->setPalette(paper);
  auto* panelLayout = new QVBoxLayout(panel);
  heading_ = new QLabel(panel);
  QFont bold = heading_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.3);
  heading_->setFont(bold);
  tip_ = new QLabel(panel);
  tip_->setObjectName(QStringLiteral("lblTip"));
  tip_->setWordWrap(true);
  tip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  tip_->setMinimumSize(360, 90);
  panelLayout->addWidget(heading_);
  panelLayout->addWidget(tip_, 1);
  layout->addWidget(panel, 1);

  auto* row = new QHBoxLayout;
  startup_ = new QCheckBox(host_.text(6621, "Show tips at startup"), this);
  startup_->setObjectName(QStringLiteral("chkStartup"));
  auto* previous = new QPushButton(host_.text(6622, "&Previous"), this);
  previous->setObjectName(QStringLiteral("btnPrevious"));
  auto* next = new QPushButton(host_.text(6623, "&Next"), this);
  next->setObjectName(QStringLiteral("btnNext"));
  auto* close = new QPushButton(host_.text(6624, "&Close"), this);
  close->setObjectName(QStringLiteral("btnClose"));
  close->setDefault(true);
  connect(previous, &QPushButton::clicked, this, &TfrmTips::btnPreviousClick);
  connect(next, &QPushButton::clicked, this, &TfrmTips::btnNextClick);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  row->addWidget(startup_);
  row->addStretch();
  row->addWidget(previous);
  row->addWidget(next);
  row->addWidget(close);
  layout->addLayout(row);

  const IniFile file = host_.store().preferences();
  const long long stored = file.readInteger(prefkey::Section, prefkey::TipsNum, 0);
  showPage(stored >= 0 && stored < kTipCount ? static_cast<int>(stored) + 1 : 1);
  startup_->setChecked(file.readString(prefkey::Section, prefkey::TipsStartUp, "N") != "N");
}

QString TfrmTips::tipText() const { return host_.text(kFirstTipText + page_ - 1, kTips[page_ - 1]); }

void TfrmTips::showPage(int page) {
  page_ = page;
  heading_->setText(host_.text(6625, "Did you know...") + QStringLiteral("   (%1/%2)").arg(page_).arg(kTipCount));
  tip_->setText(tipText());
}

void TfrmTips::btnPreviousClick() { showPage(page_ == 1 ? kTipCount : page_ - 1); }
void TfrmTips::btnNextClick() { showPage(page_ == kTipCount ? 1 : page_ + 1); }

void TfrmTips::done(int result) {
  const std::vector<IniEntry> entries{{std::string(prefkey::TipsNum), std::to_string(page_)},
                                      {std::string(prefkey::TipsStartUp), startup_->isChecked() ? "Y" : "N"}};
  if (const FileError error = host_.store().preferences().writeStrings(prefkey::Section, entries))
    host_.boxes().error(host_.errorTitle(), QString::fromStdString(*error));
  QDialog::done(result);
}

}  // namespace quilloro
