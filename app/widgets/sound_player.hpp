// Plays the game's wave files: one sound at a time, the newest request winning.
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <memory>
#include <string_view>

#include "app/core/settings_record.hpp"

class QSoundEffect;

namespace quilloro {

class SoundPlayer : public QObject {
  Q_OBJECT

 public:
  // Sounds come from soundsHome/SOUNDS. Without an audio output every
  // request is accepted and nothing is heard.
  SoundPlayer(const SettingsRecord& settings, std::filesystem::path soundsHome, QObject* parent = nullptr);
  ~SoundPlayer() override;

  // Plays the file once, unless its switch or the master switch is off. An
  // audible request ends whatever played before; an empty name or a missing
  // file only ends it.
  void play(std::string_view fileName, bool switchOn);
  // The same, repeating until the next audible request.
  void playLooping(std::string_view fileName, bool switchOn);
  void stop();

  bool deviceAvailable() const { return deviceAvailable_; }
  // The file being played now; empty when silent.
  QString current() const { return current_; }
  bool looping() const { return looping_; }

 private:
  void request(std::string_view fileName, bool switchOn, bool loop);
  QSoundEffect& effect();

  const SettingsRecord& settings_;
  std::filesystem::path soundsHome_;
  bool deviceAvailable_ = false;
  std::unique_ptr<QSoundEffect> effect_;
  QString current_;
  bool looping_ = false;
};

}  // namespace quilloro
