// The About box: the program's name and version, its web site and mail addresses.
#include "app/window/about_box.hpp"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "app/widgets/link_opener.hpp"
#include "app/widgets/message_boxes.hpp"

namespace quilloro {
namespace {

constexpr int kPictureHeight = 90;
constexpr int kCaptionText = 5204;
constexpr int kWebSiteText = 5205;
constexpr int kInformationText = 5206;
constexpr int kSalesText = 5207;
constexpr int kSupportText = 5208;
constexpr int kVersionText = 5209;

QLabel* linkLabel(const QString& text, std::string_view kind, std::string_view target, MessageBoxes& boxes,
                  QWidget* parent) {
  auto* label = new QLabel(QStringLiteral("%1 <a href=\"#\">%2</a>").arg(text, QString::fromUtf8(target.data(),
                                                                                                  static_cast<int>(target.size()))),
                           parent);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  QObject::connect(label, &QLabel::linkActivated, parent,
                   [kind, target, &boxes] { fnOpenLink(kind, target, boxes); });
  return label;
}

}  // namespace

AboutBox::AboutBox(MessageBoxes& boxes, const TextOf& textOf, QWidget* parent) : QDialog(parent) {
  setWindowTitle(textOf(kCaptionText, "About [Program]").replace(QStringLiteral("[Program]"), kProgramName));
  auto* layout = new QVBoxLayout(this);
  layout->addSpacing(kPictureHeight);
  auto* version = new QLabel(textOf(kVersionText, kVersionLine), this);
  QFont bold = version->font();
  bold.setBold(true);
  version->setFont(bold);
  layout->addWidget(version);
  layout->addWidget(linkLabel(textOf(kWebSiteText, "Web site:"), "HTTP", kHomePage, boxes, this));
  layout->addWidget(
      linkLabel(textOf(kInformationText, "General information:"), "EMAIL", kMailInformation, boxes, this));
  layout->addWidget(linkLabel(textOf(kSalesText, "Sales:"), "EMAIL", kMailSales, boxes, this));
  layout->addWidget(linkLabel(textOf(kSupportText, "Technical support:"), "EMAIL", kMailSupport, boxes, this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  // The designed width at least; wider where a language's texts need it.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setMinimumWidth(380);
}

void AboutBox::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRect band(0, 0, width(), kPictureHeight);
  p.fillRect(band, QColor(20, 110, 45));
  for (int i = 0; i < 3; ++i) {
    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(QColor(252, 252, 248));
    p.drawRoundedRect(QRectF(20 + i * 22, 14 + i * 4, 44, 62), 4, 4);
  }
  QFont title;
  title.setBold(true);
  title.setPixelSize(30);
  p.setFont(title);
  p.setPen(QColor(245, 215, 100));
  p.drawText(QRect(110, 0, width() - 110, kPictureHeight), Qt::AlignVCenter | Qt::AlignLeft, kProgramName);
}

}  // namespace quilloro
