// Rank, colour and court-card predicates over card numbers of one or two packs.
#include "cardlib/quilloro.h"

namespace {

// Position of a card within its pack, 1..52; values outside 1..104 pass through.
int32_t withinPack(int32_t card) { return card > 52 && card <= 104 ? card - 52 : card; }

}  // namespace

extern "C" {

int32_t fCard2Value(int32_t card) {
  if (card <= 0) return card;
  if (card > 52) card -= 52;
  if (card <= 13) return card;
  if (card <= 26) return card - 13;
  if (card <= 39) return card - 26;
  if (card <= 52) return card - 39;
  return -1;
}

int32_t fIsCartaRossa(int32_t card) {
  if (card <= 26) return 1;
  if (card <= 52) return 0;
  if (card <= 78) return 1;
  return 0;
}

int32_t fIsCartaFigura(int32_t card) {
  if (card < 1 || card > 104) return 0;
  return fCard2Value(card) >= 11 ? 1 : 0;
}

int32_t fIsCartaAsse(int32_t card) {
  if (card < 1 || card > 104) return 0;
  return fCard2Value(card) == 1 ? 1 : 0;
}

int32_t fIsCartaRe(int32_t card) {
  if (card < 1 || card > 104) return 0;
  return withinPack(card) % 13 == 0 ? 1 : 0;
}

int32_t fIsCartaSuccessiva(int32_t, int32_t, int32_t, int32_t) { return 0; }

}  // extern "C"
