// Pile anchors and shared integers that the program stores in the library for the whole run.
#include <array>
#include <cstddef>

#include "cardlib/quilloro.h"

namespace {

template <std::size_t N>
struct AnchorArray {
  std::array<int32_t, N> values{};

  // Out-of-range indices read 0 and store nothing, so a stray index can never
  // corrupt another pile's anchor.
  int32_t get(int32_t index) const {
    return index >= 0 && static_cast<std::size_t>(index) < N ? values[static_cast<std::size_t>(index)] : 0;
  }
  int32_t set(int32_t index, int32_t value) {
    if (index >= 0 && static_cast<std::size_t>(index) < N) values[static_cast<std::size_t>(index)] = value;
    return index;
  }
};

struct Anchors {
  AnchorArray<4> stockLeft, stockTop;
  AnchorArray<16> foundationLeft, foundationTop;
  AnchorArray<26> tableauLeft, tableauTop;
  AnchorArray<8> reserveLeft, reserveTop;
  AnchorArray<26> shared;
};

Anchors& anchors() {
  static Anchors instance;
  return instance;
}

}  // namespace

extern "C" {

int32_t fGetMazzoLeft(int32_t index) { return anchors().stockLeft.get(index); }
int32_t fGetMazzoTop(int32_t index) { return anchors().stockTop.get(index); }
int32_t fSetMazzoLeft(int32_t index, int32_t value) { return anchors().stockLeft.set(index, value); }
int32_t fSetMazzoTop(int32_t index, int32_t value) { return anchors().stockTop.set(index, value); }
int32_t fGetDestLeft(int32_t index) { return anchors().foundationLeft.get(index); }
int32_t fGetDestTop(int32_t index) { return anchors().foundationTop.get(index); }
int32_t fSetDestLeft(int32_t index, int32_t value) { return anchors().foundationLeft.set(index, value); }
int32_t fSetDestTop(int32_t index, int32_t value) { return anchors().foundationTop.set(index, value); }
int32_t fGetFilaLeft(int32_t index) { return anchors().tableauLeft.get(index); }
int32_t fGetFilaTop(int32_t index) { return anchors().tableauTop.get(index); }
int32_t fSetFilaLeft(int32_t index, int32_t value) { return anchors().tableauLeft.set(index, value); }
int32_t fSetFilaTop(int32_t index, int32_t value) { return anchors().tableauTop.set(index, value); }
int32_t fGetAppoggLeft(int32_t index) { return anchors().reserveLeft.get(index); }
int32_t fGetAppoggTop(int32_t index) { return anchors().reserveTop.get(index); }
int32_t fSetAppoggLeft(int32_t index, int32_t value) { return anchors().reserveLeft.set(index, value); }
int32_t fSetAppoggTop(int32_t index, int32_t value) { return anchors().reserveTop.set(index, value); }
int32_t fGetVarInt(int32_t index) { return anchors().shared.get(index); }
int32_t fSetVarInt(int32_t index, int32_t value) { return anchors().shared.set(index, value); }

}  // extern "C"
