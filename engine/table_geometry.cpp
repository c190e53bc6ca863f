#include "engine/table_geometry.hpp"

#include "cardlib/quilloro.h"

namespace quilloro {

namespace {

Point anchorOf(PileRef pile) {
  switch (pile.list) {
    case PileList::Stock:
      return {fGetMazzoLeft(pile.index), fGetMazzoTop(pile.index)};
    case PileList::Foundations:
      return {fGetDestLeft(pile.index), fGetDestTop(pile.index)};
    case PileList::Tableau:
      return {fGetFilaLeft(pile.index), fGetFilaTop(pile.index)};
    case PileList::Reserves:
      return {fGetAppoggLeft(pile.index), fGetAppoggTop(pile.index)};
  }
  return {};
}

}  // namespace

bool LibraryAnchorGeometry::isPlaced(PileRef pile) const { return anchorOf(pile).x >= 0; }

Point LibraryAnchorGeometry::cardPosition(PileRef pile, int /*slot*/) const { return anchorOf(pile); }

}  // namespace quilloro
