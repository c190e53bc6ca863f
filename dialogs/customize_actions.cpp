// The Customize window's buttons: Apply, OK and Cancel with the values found at opening, the colour choice and the sound preview.
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QListWidget>
#include <QSlider>
#include <QTimer>

#include "app/widgets/message_boxes.hpp"
#include "app/widgets/sound_player.hpp"
#include "dialogs/customize_dialog.hpp"
#include "dialogs/customize_samples.hpp"
#include "dialogs/dialog_host.hpp"

namespace quilloro {
namespace {

const char* yesNo(bool on) { return on ? "Y" : "N"; }

}  // namespace

void TfrmPersonalizza::btnSelectColorClick() {
  const QColor chosen = QColorDialog::getColor(CustomizeSamples::colourOf(customColour_), this);
  if (!chosen.isValid()) return;
  setCustomColour(chosen.red() | (chosen.green() << 8) | (static_cast<long long>(chosen.blue()) << 16));
}

void TfrmPersonalizza::btnEnableClick() {
  if (QListWidgetItem* item = sounds_->currentItem()) item->setCheckState(Qt::Checked);
}

void TfrmPersonalizza::btnDisableClick() {
  if (QListWidgetItem* item = sounds_->currentItem()) item->setCheckState(Qt::Unchecked);
}

void TfrmPersonalizza::btnPlayClick() {
  const int row = sounds_->currentRow();
  if (row < 0 || row >= static_cast<int>(soundEventChoices().size())) return;
  host_.sounds().play(soundEventChoices()[static_cast<std::size_t>(row)].previewFile, true);
}

void TfrmPersonalizza::btnStopClick() { host_.sounds().play(kSilentPreviewFile, true); }

void TfrmPersonalizza::putChoicesInSettings() {
  SettingsStore& store = host_.store();
  store.setInteger(field::Card, cardSet_);
  store.set(field::FadeBackground, yesNo(fade_->isChecked()));
  if (backNumber_ > 0) store.setInteger(field::BackCard, backNumber_);
  storeBackgroundSettings(store.record(), backgroundSettingsFor(backgroundValue_, customColour_));
  store.set(field::PilesIrregular, yesNo(irregular_->isChecked()));
}

void TfrmPersonalizza::writePreferences() {
  SettingsStore& store = host_.store();
  const BackgroundSettings background = backgroundSettingsFor(backgroundValue_, customColour_);
  const int speed = kCardSpeedSteps[std::clamp(speed_->value(), 1, 5) - 1];
  const int cursor = kFirstPointer + std::max(0, cursors_->currentRow());
  const bool soundsOn = !disableSounds_->isChecked();

  store.set(field::RandomBackground, yesNo(randomBackgrounds_->isChecked()));
  store.set(field::RandomCard, yesNo(randomCards_->isChecked()));
  store.set(field::RandomDeck, yesNo(randomBacks_->isChecked()));
  store.setInteger(field::SpeedMoveCard, speed);
  store.setInteger(field::Cursor, cursor);
  store.set(field::CardsAnimate, yesNo(animated_->isChecked()));
  store.set(field::CardsShadowed, yesNo(shadowed_->isChecked()));
  store.set(field::SoundsEnabled, yesNo(soundsOn));
  store.set(field::SoundsSplash, "Y");

  std::vector<IniEntry> entries{
      {std::string(field::RandomBackground.key), yesNo(randomBackgrounds_->isChecked())},
      {std::string(field::RandomCard.key), yesNo(randomCards_->isChecked())},
      {std::string(field::RandomDeck.key), yesNo(randomBacks_->isChecked())},
      {std::string(field::Card.key), std::to_string(cardSet_)},
      {std::string(field::BackCard.key), store.get(field::BackCard)},
      {std::string(field::BackgroundBitmap.key), background.bitmap},
      {std::string(field::BackgroundColour.key), std::to_string(background.colour)},
      {"Background_Def", background.useDefault},
      {std::string(field::BackgroundFixedColour.key), std::to_string(background.fixedColour)},
      {std::string(field::FadeBackground.key), yesNo(fade_->isChecked())},
      {std::string(field::SpeedMoveCard.key), std::to_string(speed)},
      {std::string(field::Cursor.key), std::to_string(cursor)},
      {std::string(field::CardsAnimate.key), yesNo(animated_->isChecked())},
      {std::string(field::CardsShadowed.key), yesNo(shadowed_->isChecked())},
      {std::string(field::PilesIrregular.key), yesNo(irregular_->isChecked())},
      {std::string(field::SoundsEnabled.key), yesNo(soundsOn)},
  };
  // Every event keeps its own switch, whatever the master switch says.
  for (int row = 0; row < sounds_->count(); ++row) {
    const SoundEventChoice& event = soundEventChoices()[static_cast<std::size_t>(row)];
    const char* on = yesNo(sounds_->item(row)->checkState() == Qt::Checked);
    store.set(event.preference, on);
    entries.push_back({std::string(event.preference.key), on});
  }
  entries.push_back({std::string(field::SoundsSplash.key), "Y"});
  if (const FileError error = store.preferences().writeStrings(prefkey::Section, entries))
    host_.boxes().error(host_.errorTitle(), QString::fromStdString(*error));
}

void TfrmPersonalizza::restoreCaptured() {
  SettingsStore& store = host_.store();
  store.set(field::Card, captured_.card);
  store.set(field::FadeBackground, captured_.fade);
  store.set(field::BackCard, captured_.back);
  store.set(field::BackgroundBitmap, captured_.bitmap);
  store.set(field::BackgroundColour, captured_.colour);
  store.set(field::BackgroundFixedColour, captured_.fixedColour);
  store.set(field::BackgroundDefault, captured_.useDefault);
  store.set(field::PilesIrregular, captured_.irregular);
}

void TfrmPersonalizza::btnApplyClick() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  putChoicesInSettings();
  host_.applyLook();
  QApplication::restoreOverrideCursor();
}

void TfrmPersonalizza::finish(bool keep) {
  if (closing_) return;
  closing_ = true;
  motion_->stop();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  hide();
  if (keep) {
    putChoicesInSettings();
    writePreferences();
    host_.applyLook();
    host_.applyPointer();
  } else {
    restoreCaptured();
    host_.applyLook();
  }
  QApplication::restoreOverrideCursor();
  if (keep) QDialog::accept();
  else QDialog::reject();
}

void TfrmPersonalizza::btnOKClick() { finish(true); }
void TfrmPersonalizza::btnCancelClick() { finish(false); }
// Escape and the window's close box act as Cancel.
void TfrmPersonalizza::reject() { finish(false); }

}  // namespace quilloro
