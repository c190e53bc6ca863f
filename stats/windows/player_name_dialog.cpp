// The name dialog of the players window.
#include "stats/windows/player_name_dialog.hpp"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "stats/player_name.hpp"
#include "stats/windows/statistics_context.hpp"
#include "stats/windows/statistics_texts.hpp"

namespace quilloro {

PlayerNameDialog::PlayerNameDialog(const StatisticsContext& context, const QString& title, const QString& name,
                                   QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("TfrmOperatori2"));
  setWindowTitle(title);
  auto* root = new QVBoxLayout(this);
  auto* group = new QGroupBox(context.text(statstext::PlayerName, "Player name"), this);
  auto* inner = new QVBoxLayout(group);
  edit_ = new QLineEdit(name, group);
  edit_->setObjectName(QStringLiteral("edtOperatore"));
  edit_->setMaxLength(static_cast<int>(stats::kPlayerNameMaxLength));
  edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 18);
  inner->addWidget(edit_);
  root->addWidget(group);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(context.text(statstext::Ok, "OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(context.text(statstext::Cancel, "Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  root->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  edit_->selectAll();
}

QString PlayerNameDialog::name() const { return edit_->text().trimmed(); }

}  // namespace quilloro
