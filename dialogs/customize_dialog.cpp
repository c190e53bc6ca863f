// The Customize window's pages and samples: card sets, backs, backgrounds, effects, sounds and pointers.
#include "dialogs/customize_dialog.hpp"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/widgets/pointer_shapes.hpp"
#include "dialogs/customize_samples.hpp"
#include "dialogs/dialog_host.hpp"
#include "table/background_painter.hpp"

namespace quilloro {
namespace {

constexpr int kValueRole = Qt::UserRole;
constexpr int kBigWidth = 71;
constexpr int kBigHeight = 96;
const QSize kCardSampleSize(262, 216);
const QSize kBackSampleSize(220, 240);
const QSize kBackgroundSampleSize(220, 240);

QLabel* samplePicture(QWidget* parent, QSize size, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFixedSize(size);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QTreeWidget* lookTree(QWidget* parent, const char* name) {
  auto* tree = new QTreeWidget(parent);
  tree->setObjectName(QString::fromLatin1(name));
  tree->setHeaderHidden(true);
  tree->setMinimumWidth(200);
  return tree;
}

QImage labelImage(const QLabel* label) { return label->pixmap().toImage(); }

}  // namespace

TfrmPersonalizza::TfrmPersonalizza(DialogHost& host, QWidget* parent)
    : QDialog(parent), host_(host), samples_(CustomizeSamples::shared(host.installFolder())) {
  setObjectName(QStringLiteral("frmPersonalizza"));
  setWindowTitle(host_.text(1356, "Customize").remove('&'));
  lowColour_ = host_.displayColours() <= kPaletteDisplayColours;

  const SettingsStore& store = host_.store();
  captured_ = {store.get(field::Card), store.get(field::FadeBackground), store.get(field::BackCard),
               store.get(field::BackgroundBitmap), store.get(field::BackgroundColour),
               store.get(field::BackgroundFixedColour), store.get(field::BackgroundDefault),
               store.get(field::PilesIrregular)};
  const long long colour = store.getInteger(field::BackgroundColour).value_or(0);
  customColour_ = colour == 0 ? kButtonFaceColour : colour;

  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->addTab(buildCardsPage(), host_.text(6401, "&Cards"));
  pages_->addTab(buildBacksPage(), host_.text(6402, "&Decks"));
  pages_->addTab(buildBackgroundsPage(), host_.text(6403, "&Backgrounds"));
  pages_->addTab(buildEffectsPage(), host_.text(6404, "&True play"));
  pages_->addTab(buildSoundsPage(), host_.text(6405, "&Sounds"));
  pages_->addTab(buildCursorsPage(), host_.text(6406, "C&ursors"));
  layout->addWidget(pages_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(host_.text(3, "Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  QPushButton* apply = buttons->addButton(host_.text(6407, "&Apply"), QDialogButtonBox::ApplyRole);
  apply->setObjectName(QStringLiteral("btnApply"));
  QPushButton* help = buttons->addButton(QStringLiteral("&?"), QDialogButtonBox::HelpRole);
  help->setObjectName(QStringLiteral("btnHelp"));
  connect(help, &QPushButton::clicked, this, [this] { host_.showHelp(); });
  connect(ok, &QPushButton::clicked, this, &TfrmPersonalizza::btnOKClick);
  connect(cancel, &QPushButton::clicked, this, &TfrmPersonalizza::btnCancelClick);
  connect(apply, &QPushButton::clicked, this, &TfrmPersonalizza::btnApplyClick);
  layout->addWidget(buttons);

  // What the settings hold now, selected on every page.
  selectCardSet(static_cast<int>(store.getInteger(field::Card).value_or(1)));
  selectBack(static_cast<int>(store.getInteger(field::BackCard).value_or(11)));
  if (!selectBackground(backgroundValueOf(store.record()))) backgroundChosen();

  motion_ = new QTimer(this);
  connect(motion_, &QTimer::timeout, this, &TfrmPersonalizza::stepBackSample);
  motion_->start(600);
}

TfrmPersonalizza::~TfrmPersonalizza() = default;

// --- the pages ---

QWidget* TfrmPersonalizza::buildCardsPage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  auto* thumbnails = new QGridLayout;
  for (int set = 1; set <= kCardSets; ++set) {
    auto* button = new QPushButton(page);
    button->setObjectName(QStringLiteral("imgCardSet%1").arg(set));
    button->setCheckable(true);
    button->setFlat(true);
    button->setIcon(QPixmap::fromImage(CustomizeSamples::rounded(samples_.heartFace(set, 12))));
    button->setIconSize(QSize(kBigWidth / 2 + 10, kBigHeight / 2 + 13));
    button->setFixedSize(kBigWidth / 2 + 22, kBigHeight / 2 + 24);
    connect(button, &QPushButton::clicked, this, [this, set] { selectCardSet(set); });
    thumbnails->addWidget(button, (set - 1) / 3, (set - 1) % 3);
    setThumbnails_.push_back(button);
  }
  auto* left = new QVBoxLayout;
  left->addLayout(thumbnails);
  randomCards_ = new QCheckBox(host_.text(6408, "Ra&ndom card sets"), page);
  randomCards_->setObjectName(QStringLiteral("chkRandomCards"));
  randomCards_->setChecked(host_.store().get(field::RandomCard) == "Y");
  left->addWidget(randomCards_);
  left->addStretch();
  layout->addLayout(left);
  cardSample_ = samplePicture(page, kCardSampleSize, "imgCardSample");
  layout->addWidget(cardSample_, 0, Qt::AlignTop);
  return page;
}

QWidget* TfrmPersonalizza::buildBacksPage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(host_.text(1360, "Select a card back: "), page));
  backTree_ = lookTree(page, "tvBacks");
  fillTree(backTree_, quilloro::cardBackTree(), nullptr);
  connect(backTree_, &QTreeWidget::currentItemChanged, this, [this] { backChosen(); });
  left->addWidget(backTree_, 1);
  randomBacks_ = new QCheckBox(host_.text(6409, "R&andom backs"), page);
  randomBacks_->setObjectName(QStringLiteral("chkRandomBacks"));
  randomBacks_->setChecked(host_.store().get(field::RandomDeck) == "Y");
  left->addWidget(randomBacks_);
  layout->addLayout(left, 1);
  auto* right = new QVBoxLayout;
  backSample_ = samplePicture(page, kBackSampleSize, "imgBackSample");
  right->addWidget(backSample_);
  backCaption_ = new QLabel(page);
  backCaption_->setObjectName(QStringLiteral("lblBackCaption"));
  backCaption_->setAlignment(Qt::AlignCenter);
  right->addWidget(backCaption_);
  right->addStretch();
  layout->addLayout(right);
  return page;
}

QWidget* TfrmPersonalizza::buildBackgroundsPage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(host_.text(1361, "Select a background:"), page));
  backgroundTree_ = lookTree(page, "tvBackgrounds");
  fillTree(backgroundTree_, quilloro::backgroundTree(), nullptr);
  connect(backgroundTree_, &QTreeWidget::currentItemChanged, this, [this] { backgroundChosen(); });
  left->addWidget(backgroundTree_, 1);
  randomBackgrounds_ = new QCheckBox(host_.text(1452, "&Random backgrounds"), page);
  randomBackgrounds_->setObjectName(QStringLiteral("chkRandomBackgrounds"));
  randomBackgrounds_->setChecked(host_.store().get(field::RandomBackground) == "Y");
  left->addWidget(randomBackgrounds_);
  layout->addLayout(left, 1);
  auto* right = new QVBoxLayout;
  backgroundSample_ = samplePicture(page, kBackgroundSampleSize, "imgBackgroundSample");
  right->addWidget(backgroundSample_);
  backgroundCaption_ = new QLabel(page);
  backgroundCaption_->setObjectName(QStringLiteral("lblBackgroundCaption"));
  backgroundCaption_->setAlignment(Qt::AlignCenter);
  right->addWidget(backgroundCaption_);
  selectColour_ = new QPushButton(host_.text(1363, "&Select color..."), page);
  selectColour_->setObjectName(QStringLiteral("btnSelectColor"));
  connect(selectColour_, &QPushButton::clicked, this, &TfrmPersonalizza::btnSelectColorClick);
  right->addWidget(selectColour_);
  fade_ = new QCheckBox(host_.text(1362, "&Fade background"), page);
  fade_->setObjectName(QStringLiteral("chkFade"));
  fade_->setChecked(host_.store().get(field::FadeBackground) == "Y");
  connect(fade_, &QCheckBox::toggled, this, [this] { drawBackgroundSample(); });
  right->addWidget(fade_);
  right->addStretch();
  layout->addLayout(right);
  return page;
}

QWidget* TfrmPersonalizza::buildEffectsPage() {
  const SettingsStore& store = host_.store();
  auto* page = new QWidget;
  auto* layout = new QGridLayout(page);
  auto effect = [&](int row, int offset, const char* english, const char* name, QLabel*& sample, bool on) {
    auto* check = new QCheckBox(host_.text(offset, english), page);
    check->setObjectName(QString::fromLatin1(name));
    check->setChecked(on);
    connect(check, &QCheckBox::toggled, this, [this] { drawEffectSamples(); });
    sample = new QLabel(page);
    sample->setFixedSize(112, 84);
    layout->addWidget(sample, row, 0);
    layout->addWidget(check, row, 1);
    return check;
  };
  shadowed_ = effect(0, 6410, "&Shadowed", "chkShadowed", shadowSample_, store.get(field::CardsShadowed) != "N");
  animated_ = effect(1, 6411, "&Animated", "chkAnimated", animatedSample_, store.get(field::CardsAnimate) != "N");
  irregular_ = effect(2, 6412, "Irregular &piles", "chkIrregular", irregularSample_, store.get(field::PilesIrregular) == "Y");

  auto* speedRow = new QHBoxLayout;
  speedRow->addWidget(new QLabel(host_.text(6413, "Cards speed "), page));
  speedRow->addWidget(new QLabel(host_.text(1460, "Slow"), page));
  speed_ = new QSlider(Qt::Horizontal, page);
  speed_->setObjectName(QStringLiteral("tbSpeed"));
  speed_->setRange(1, 5);
  speed_->setPageStep(1);
  speed_->setTickPosition(QSlider::TicksBelow);
  speed_->setTickInterval(1);
  speed_->setValue(speedPosition(store.getInteger(field::SpeedMoveCard).value_or(10)));
  speedRow->addWidget(speed_, 1);
  speedRow->addWidget(new QLabel(host_.text(1461, "Fast"), page));
  layout->addLayout(speedRow, 3, 0, 1, 2);
  layout->setColumnStretch(1, 1);
  drawEffectSamples();
  return page;
}

QWidget* TfrmPersonalizza::buildSoundsPage() {
  const SettingsStore& store = host_.store();
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(host_.text(1466, "Events:"), page));
  sounds_ = new QListWidget(page);
  sounds_->setObjectName(QStringLiteral("lstSounds"));
  for (const SoundEventChoice& event : soundEventChoices()) {
    auto* item = new QListWidgetItem(host_.text(event.textOffset, event.english.data()), sounds_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(store.get(event.preference) == "Y" ? Qt::Checked : Qt::Unchecked);
  }
  sounds_->setCurrentRow(0);
  left->addWidget(sounds_, 1);
  columns->addLayout(left, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addSpacing(QLabel().sizeHint().height());
  auto button = [&](int offset, const char* english, const char* name, void (TfrmPersonalizza::*slot)()) {
    auto* b = new QPushButton(host_.text(offset, english), page);
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QPushButton::clicked, this, slot);
    buttons->addWidget(b);
    soundButtons_.push_back(b);
  };
  button(6414, "E&nable", "btnEnable", &TfrmPersonalizza::btnEnableClick);
  button(6415, "D&isable", "btnDisable", &TfrmPersonalizza::btnDisableClick);
  buttons->addSpacing(12);
  button(6416, "&Play", "btnPlay", &TfrmPersonalizza::btnPlayClick);
  button(6417, "S&top", "btnStop", &TfrmPersonalizza::btnStopClick);
  buttons->addStretch();
  columns->addLayout(buttons);
  layout->addLayout(columns, 1);
  disableSounds_ = new QCheckBox(host_.text(6418, "Disable all &sounds"), page);
  disableSounds_->setObjectName(QStringLiteral("chkDisableSounds"));
  disableSounds_->setChecked(store.get(field::SoundsEnabled) == "N");
  connect(disableSounds_, &QCheckBox::toggled, this, [this] { soundsSwitched(); });
  layout->addWidget(disableSounds_);
  soundsSwitched();
  return page;
}

QWidget* TfrmPersonalizza::buildCursorsPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  cursors_ = new QListWidget(page);
  cursors_->setObjectName(QStringLiteral("lstCursors"));
  cursors_->setIconSize(QSize(32, 32));
  PointerShapes shapes;
  shapes.load(host_.installFolder());
  const char* names[kPointerCount] = {"Arrow small", "Arrow large", "Hand 1", "Hand 2", "Cross"};
  for (int row = 0; row < kPointerCount; ++row) {
    auto* item = new QListWidgetItem(host_.text(6420 + row, names[row]), cursors_);
    const QPixmap shape = shapes.shape(kFirstPointer + row).pixmap();
    if (!shape.isNull()) item->setIcon(shape);
  }
  cursors_->setCurrentRow(pointerRow(host_.store().getInteger(field::Cursor).value_or(11)));
  connect(cursors_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) cursors_->setCursor(PointerShapes().shape(kFirstPointer + row));
  });
  layout->addWidget(cursors_);
  return page;
}

void TfrmPersonalizza::fillTree(QTreeWidget* tree, const std::vector<LookNode>& nodes, QTreeWidgetItem* parent) {
  for (const LookNode& node : nodes) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    item->setText(0, host_.text(node.textOffset, std::string(node.english).c_str()));
    item->setData(0, kValueRole, node.value);
    if (!node.children.empty()) fillTree(tree, node.children, item);
  }
}

// --- choosing ---

void TfrmPersonalizza::selectCardSet(int set) {
  if (set < 1 || set > kCardSets) set = 1;
  cardSet_ = set;
  for (int i = 0; i < kCardSets; ++i) {
    setThumbnails_[static_cast<std::size_t>(i)]->setChecked(i + 1 == set);
    setThumbnails_[static_cast<std::size_t>(i)]->setStyleSheet(
        i + 1 == set ? QStringLiteral("QPushButton { border: 2px solid #1e50c8; background: #dce6fa; }") : QString());
  }
  drawCardSample();
}

namespace {

QTreeWidgetItem* findValue(QTreeWidgetItem* item, long long value) {
  if (item->childCount() == 0 && item->data(0, kValueRole).toLongLong() == value) return item;
  for (int i = 0; i < item->childCount(); ++i)
    if (QTreeWidgetItem* found = findValue(item->child(i), value)) return found;
  return nullptr;
}

QTreeWidgetItem* findValue(QTreeWidget* tree, long long value) {
  for (int i = 0; i < tree->topLevelItemCount(); ++i)
    if (QTreeWidgetItem* found = findValue(tree->topLevelItem(i), value)) return found;
  return nullptr;
}

}  // namespace

bool TfrmPersonalizza::selectBack(int number) {
  QTreeWidgetItem* item = findValue(backTree_, number);
  if (!item) return false;
  backTree_->setCurrentItem(item);
  backTree_->scrollToItem(item);
  return true;
}

bool TfrmPersonalizza::selectBackground(long long value) {
  QTreeWidgetItem* item = findValue(backgroundTree_, value);
  if (!item) return false;
  backgroundTree_->setCurrentItem(item);
  backgroundTree_->scrollToItem(item);
  return true;
}

void TfrmPersonalizza::backChosen() {
  QTreeWidgetItem* item = backTree_->currentItem();
  if (!item || item->childCount() > 0) return;
  backNumber_ = item->data(0, kValueRole).toInt();
  backCaption_->setText(item->text(0));
  drawBackSample();
}

void TfrmPersonalizza::backgroundChosen() {
  QTreeWidgetItem* item = backgroundTree_->currentItem();
  backgroundValue_ = item ? item->data(0, kValueRole).toLongLong() : 0;
  backgroundCaption_->setText(item ? item->text(0) : QString());
  const bool colour = backgroundValue_ == 1 || backgroundValue_ > 1000;
  selectColour_->setEnabled(backgroundValue_ == 1);
  fade_->setEnabled(colour && !lowColour_);
  drawBackgroundSample();
}

void TfrmPersonalizza::setCustomColour(long long value) {
  customColour_ = value;
  drawBackgroundSample();
}

// --- the samples ---

void TfrmPersonalizza::drawBackgroundSample() {
  backgroundPicture_ = samples_.background(backgroundValue_, customColour_, fade_->isChecked() && fade_->isEnabled(),
                                           QSize(kCardSampleSize.width(), kBackSampleSize.height()));
  backgroundSample_->setPixmap(QPixmap::fromImage(backgroundPicture_.copy(QRect(QPoint(0, 0), kBackgroundSampleSize))));
  drawCardSample();
  drawBackSample();
}

void TfrmPersonalizza::drawCardSample() {
  if (!cardSample_ || backgroundPicture_.isNull()) return;
  QImage sample = backgroundPicture_.copy(QRect(QPoint(0, 0), kCardSampleSize));
  QPainter painter(&sample);
  const int places[6][2] = {{20, 10}, {96, 10}, {171, 10}, {20, 110}, {96, 110}, {171, 110}};
  for (int i = 0; i < 6; ++i)
    painter.drawImage(places[i][0], places[i][1], CustomizeSamples::rounded(samples_.heartFace(cardSet_, 8 + i)));
  painter.end();
  cardSample_->setPixmap(QPixmap::fromImage(sample));
}

void TfrmPersonalizza::drawBackSample() {
  if (!backSample_ || backgroundPicture_.isNull()) return;
  QImage sample = backgroundPicture_.copy(QRect(QPoint(0, 0), kBackSampleSize));
  if (backNumber_ > 0) {
    QPainter painter(&sample);
    painter.drawImage(kBackPositions[backStep_][0], kBackPositions[backStep_][1],
                      CustomizeSamples::rounded(samples_.back(backNumber_)));
  }
  backSample_->setPixmap(QPixmap::fromImage(sample));
}

void TfrmPersonalizza::stepBackSample() {
  backStep_ = (backStep_ + 1) % 4;
  drawBackSample();
  if (animated_->isChecked()) {
    animationFrame_ = (animationFrame_ + 1) % 8;
    drawEffectSamples();
  }
}

void TfrmPersonalizza::drawEffectSamples() {
  auto show = [&](QLabel* label, const std::string& name) {
    const QImage picture = samples_.resource(name);
    if (!picture.isNull()) label->setPixmap(QPixmap::fromImage(picture));
  };
  show(shadowSample_, shadowed_->isChecked() ? "CARD_WITH_SHADOW" : "CARD_WITHOUT_SHADOW");
  show(irregularSample_, irregular_->isChecked() ? "CARD_IRR_PILES_YES" : "CARD_IRR_PILES_NO");
  show(animatedSample_, animated_->isChecked() ? "CARD_ANIMATED_" + std::to_string(animationFrame_) : "CARD_NOT_ANIMATED");
}

void TfrmPersonalizza::soundsSwitched() {
  const bool on = !disableSounds_->isChecked();
  sounds_->setEnabled(on);
  for (QPushButton* button : soundButtons_) button->setEnabled(on);
}

QImage TfrmPersonalizza::cardSample() const { return labelImage(cardSample_); }
QImage TfrmPersonalizza::backSample() const { return labelImage(backSample_); }
QImage TfrmPersonalizza::backgroundSample() const { return labelImage(backgroundSample_); }

}  // namespace quilloro
