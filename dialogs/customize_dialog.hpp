// The Customize window: card set, back, background, effects, sounds and pointer, each with a live sample.
#pragma once

#include <QDialog>
#include <QImage>
#include <string>
#include <vector>

#include "app/core/look_catalogue.hpp"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace quilloro {

class CustomizeSamples;
class DialogHost;

class TfrmPersonalizza : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kCardSets = 5;
  // Where the moving back sample stands, one step per tick.
  static constexpr int kBackPositions[4][2] = {{35, 20}, {114, 20}, {114, 124}, {35, 124}};

  explicit TfrmPersonalizza(DialogHost& host, QWidget* parent = nullptr);
  ~TfrmPersonalizza() override;

  // --- the choices, as the tests and the samples see them ---
  int cardSet() const { return cardSet_; }
  void selectCardSet(int set);
  // Selects the tree node with the value (a back number or a background value).
  bool selectBack(int number);
  bool selectBackground(long long value);
  long long backgroundValue() const { return backgroundValue_; }
  long long customColour() const { return customColour_; }
  void setCustomColour(long long value);
  int backPosition() const { return backStep_; }

  QTabWidget* pages() const { return pages_; }
  QTreeWidget* backTree() const { return backTree_; }
  QTreeWidget* backgroundTree() const { return backgroundTree_; }
  QCheckBox* chkFade() const { return fade_; }
  QPushButton* btnSelectColor() const { return selectColour_; }
  QCheckBox* chkShadowed() const { return shadowed_; }
  QCheckBox* chkAnimated() const { return animated_; }
  QCheckBox* chkIrregular() const { return irregular_; }
  QSlider* speedBar() const { return speed_; }
  QListWidget* soundList() const { return sounds_; }
  QCheckBox* chkDisableSounds() const { return disableSounds_; }
  QListWidget* cursorList() const { return cursors_; }
  QLabel* backCaption() const { return backCaption_; }
  QLabel* backgroundCaption() const { return backgroundCaption_; }
  // The sample pictures as drawn now.
  QImage cardSample() const;
  QImage backSample() const;
  QImage backgroundSample() const;

 public Q_SLOTS:
  void btnApplyClick();
  void btnOKClick();
  void btnCancelClick();
  void btnSelectColorClick();
  void btnEnableClick();
  void btnDisableClick();
  void btnPlayClick();
  void btnStopClick();

 protected:
  void reject() override;

 private:
  struct Captured {
    std::string card, fade, back, bitmap, colour, fixedColour, useDefault, irregular;
  };

  QWidget* buildCardsPage();
  QWidget* buildBacksPage();
  QWidget* buildBackgroundsPage();
  QWidget* buildEffectsPage();
  QWidget* buildSoundsPage();
  QWidget* buildCursorsPage();
  void fillTree(QTreeWidget* tree, const std::vector<LookNode>& nodes, QTreeWidgetItem* parent);
  void backChosen();
  void backgroundChosen();
  void drawCardSample();
  void drawBackSample();
  void drawBackgroundSample();
  void drawEffectSamples();
  void soundsSwitched();
  void stepBackSample();
  // Card set, fade, back, background and untidy piles into the settings record.
  void putChoicesInSettings();
  void writePreferences();
  void restoreCaptured();
  // Hides the window, applies or puts back, and closes it.
  void finish(bool keep);

  DialogHost& host_;
  CustomizeSamples& samples_;
  Captured captured_;
  bool lowColour_ = false;
  bool closing_ = false;

  int cardSet_ = 1;
  int backNumber_ = 0;  // 0: no back node chosen yet
  long long backgroundValue_ = 0;
  long long customColour_ = 0;
  int backStep_ = 0;
  int animationFrame_ = 0;

  QTabWidget* pages_ = nullptr;
  std::vector<QPushButton*> setThumbnails_;
  QLabel* cardSample_ = nullptr;
  QCheckBox* randomCards_ = nullptr;
  QTreeWidget* backTree_ = nullptr;
  QLabel* backSample_ = nullptr;
  QLabel* backCaption_ = nullptr;
  QCheckBox* randomBacks_ = nullptr;
  QTreeWidget* backgroundTree_ = nullptr;
  QLabel* backgroundSample_ = nullptr;
  QLabel* backgroundCaption_ = nullptr;
  QPushButton* selectColour_ = nullptr;
  QCheckBox* fade_ = nullptr;
  QCheckBox* randomBackgrounds_ = nullptr;
  QCheckBox* shadowed_ = nullptr;
  QCheckBox* animated_ = nullptr;
  QCheckBox* irregular_ = nullptr;
  QLabel* shadowSample_ = nullptr;
  QLabel* animatedSample_ = nullptr;
  QLabel* irregularSample_ = nullptr;
  QSlider* speed_ = nullptr;
  QListWidget* sounds_ = nullptr;
  std::vector<QPushButton*> soundButtons_;
  QCheckBox* disableSounds_ = nullptr;
  QListWidget* cursors_ = nullptr;
  QTimer* motion_ = nullptr;
  QImage backgroundPicture_;
};

}  // namespace quilloro
