// Colour depth of a surface and the library's beep.
#include <cstdio>

#include "cardlib/quilloro.h"

namespace {

void bellOnStderr() {
  std::fputc('\a', stderr);
  std::fflush(stderr);
}

QuilloroBeepHook& beepHook() {
  static QuilloroBeepHook hook = bellOnStderr;
  return hook;
}

}  // namespace

extern "C" {

// Every surface holds 32-bit pixels of which 24 bits carry colour.
int32_t fSystemNumColors(QuilloroSurfaceHandle surface) {
  if (surface == nullptr || surface->pixels == nullptr) return 0;
  return 1 << 24;
}

int32_t fProvaVC(void) {
  beepHook()();
  return 0;
}

void fSetBeepHook(QuilloroBeepHook hook) { beepHook() = hook != nullptr ? hook : bellOnStderr; }

}  // extern "C"
