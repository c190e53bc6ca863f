// The select-number dialog: the recent numbers, the checks of the typed text, the deal.
#include "app/selection/select_number_dialog.hpp"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/selection/game_selection_start.hpp"
#include "app/selection/selection_texts.hpp"
#include "app/core/settings_store.hpp"
#include "app/core/shared_routines.hpp"

namespace quilloro {

namespace {
constexpr int kMaxDigits = 13;
constexpr int kRecentNumbers = 20;
constexpr int kCaptionText = 1701;
constexpr int kCancelText = 3;
}  // namespace

GameNumberCheck checkGameNumberText(const std::string& text) {
  GameNumberCheck check;
  if (static_cast<int>(text.size()) > kMaxDigits) {
    check.verdict = GameNumberCheck::Verdict::TooLong;
    check.message = "From 1 up to 13 ciphers.";
    return check;
  }
  for (const char c : text) {
    if (c < '0' || c > '9') {
      check.verdict = GameNumberCheck::Verdict::NotDigits;
      check.message = "Only numbers required.";
      return check;
    }
  }
  if (text.find_first_not_of('0') == std::string::npos) return check;  // empty, or 0
  check.verdict = GameNumberCheck::Verdict::Deal;
  check.number = std::string(static_cast<std::size_t>(kMaxDigits) - text.size(), '0') + text;
  return check;
}

SelectNumberDialog::SelectNumberDialog(GameSelectionContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
  setObjectName(QStringLiteral("TfrmSeleziona"));
  setWindowTitle(withoutAccelerators(context_.text(kCaptionText, "Select a game")));
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

  auto* root = new QVBoxLayout(this);
  root->setSizeConstraint(QLayout::SetMinimumSize);
  auto* group = new QGroupBox(this);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->setSpacing(2);
  auto* prompt = new QLabel(context_.text(seltext::EnterAGameNumber, "Enter a game number:"), group);
  prompt->setObjectName(QStringLiteral("prompt"));
  groupLayout->addWidget(prompt);
  auto* line = new QHBoxLayout;
  numbers_ = new QComboBox(group);
  numbers_->setObjectName(QStringLiteral("numbers"));
  numbers_->setEditable(true);
  numbers_->setInsertPolicy(QComboBox::NoInsert);
  numbers_->lineEdit()->setMaxLength(kMaxDigits);
  // Room for the longest number and the drop-down arrow, whatever the font.
  numbers_->setMinimumContentsLength(kMaxDigits + 1);
  numbers_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  prompt->setBuddy(numbers_);
  line->addWidget(numbers_, 1);
  auto* range = new QLabel(context_.text(seltext::NumberRange, "(from 1 to 9999999999999)"), group);
  range->setObjectName(QStringLiteral("range"));
  line->addWidget(range);
  groupLayout->addLayout(line);
  root->addWidget(group);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(context_.text(kCancelText, "Cancel"), this);
  cancel->setAutoDefault(false);
  auto* help = new QPushButton(QStringLiteral("&?"), this);
  help->setAutoDefault(false);
  buttons->addStretch(1);
  for (QPushButton* b : {ok, cancel, help}) buttons->addWidget(b);
  root->addLayout(buttons);

  const std::vector<IniEntry> recent = context_.preferences().readSection(prefsection::GameNumbers);
  for (int index = 1; index <= kRecentNumbers; ++index) {
    const std::string key = recentGameKey(index);
    for (const IniEntry& entry : recent) {
      if (QString::fromStdString(entry.key).compare(QString::fromStdString(key), Qt::CaseInsensitive) != 0) continue;
      if (!entry.value.empty()) numbers_->addItem(QString::fromStdString(entry.value));
      break;
    }
  }
  numbers_->setEditText(
      context_.settings != nullptr ? QString::fromStdString(context_.settings->get(field::GameNumber)) : QString());

  // The designed size at least, larger where the texts of the language need it; not resizable.
  layout()->activate();
  setFixedSize(minimumSizeHint().expandedTo(QSize(253, 124)));

  connect(ok, &QPushButton::clicked, this, &SelectNumberDialog::okClicked);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { context_.dialogHelp(QStringLiteral("select_number")); });
}

void SelectNumberDialog::okClicked() {
  const GameNumberCheck check = checkGameNumberText(numbers_->currentText().toStdString());
  switch (check.verdict) {
    case GameNumberCheck::Verdict::TooLong:
    case GameNumberCheck::Verdict::NotDigits:
      context_.info(this, check.verdict == GameNumberCheck::Verdict::TooLong
                              ? context_.text(seltext::TooManyDigits, check.message)
                              : context_.text(seltext::OnlyDigits, check.message));
      numbers_->setFocus();
      return;
    case GameNumberCheck::Verdict::Nothing:
      return;
    case GameNumberCheck::Verdict::Deal:
      break;
  }
  hide();
  context_.refresh();
  const StartOutcome outcome = dealGameNumber(context_, check.number);
  dealt_ = outcome.started;
  if (!outcome.error.empty()) context_.info(this, QString::fromStdString(outcome.error));
  if (dealt_) Q_EMIT numberDealt(QString::fromStdString(check.number));
  if (dealt_) accept();
  else reject();
}

}  // namespace quilloro
