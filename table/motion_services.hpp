// What moving cards need from the window: a pause between two steps and the sound player.
#pragma once

#include <string_view>

namespace quilloro {

// Waits between two steps of an animation. The window waits on the
// millisecond tick count without processing input, so that a flight cannot be
// interrupted; tests count instead of waiting.
class Pacer {
 public:
  virtual ~Pacer() = default;
  virtual void pause(int milliseconds) = 0;
};

// Sound requests by file name of the SOUNDS folder and the event's own switch;
// the player also honours the master switch. One sound at a time: the newest
// request replaces whatever plays, and an empty name ends a loop.
class SoundRequests {
 public:
  virtual ~SoundRequests() = default;
  virtual void playSound(std::string_view fileName, bool switchOn) = 0;
  virtual void playLoopingSound(std::string_view fileName, bool switchOn) = 0;
};

}  // namespace quilloro
