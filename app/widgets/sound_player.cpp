// Plays the game's wave files: one sound at a time, the newest request winning.
#include "app/widgets/sound_player.hpp"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "table/sound_events.hpp"

namespace quilloro {

SoundPlayer::SoundPlayer(const SettingsRecord& settings, std::filesystem::path soundsHome, QObject* parent)
    : QObject(parent), settings_(settings), soundsHome_(std::move(soundsHome)) {
  // Asked once: a machine without sound stays silent for the whole run
  // rather than failing at every request.
  deviceAvailable_ = !QMediaDevices::defaultAudioOutput().isNull();
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(std::string_view fileName, bool switchOn) { request(fileName, switchOn, false); }

void SoundPlayer::playLooping(std::string_view fileName, bool switchOn) { request(fileName, switchOn, true); }

void SoundPlayer::stop() {
  if (effect_) effect_->stop();
  current_.clear();
  looping_ = false;
}

QSoundEffect& SoundPlayer::effect() {
  if (!effect_) {
    effect_ = std::make_unique<QSoundEffect>(QMediaDevices::defaultAudioOutput());
    // A file that cannot be played ends in silence, never in a message.
    connect(effect_.get(), &QSoundEffect::statusChanged, this, [this] {
      if (effect_->status() == QSoundEffect::Error) {
        current_.clear();
        looping_ = false;
      }
    });
  }
  return *effect_;
}

void SoundPlayer::request(std::string_view fileName, bool switchOn, bool loop) {
  // An empty name is the request that ends a loop, whatever the switches say.
  if (fileName.empty()) {
    stop();
    return;
  }
  if (!soundAudible(settings_, switchOn)) return;
  stop();
  const std::filesystem::path file = soundFilePath(soundsHome_, fileName);
  std::error_code error;
  if (!deviceAvailable_ || !std::filesystem::is_regular_file(file, error)) return;
  QSoundEffect& sound = effect();
  sound.setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
  sound.setLoopCount(loop ? QSoundEffect::Infinite : 1);
  sound.play();
  current_ = QString::fromStdString(file.string());
  looping_ = loop;
}

}  // namespace quilloro
