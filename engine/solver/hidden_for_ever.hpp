// A lost deal seen at a glance: a face-down card that no play can ever show.
//
// The card directly on a face-down card f stays there until f is shown: no
// card may be put on a face-down card, and f turns as soon as it is bare. So
// f shows only after that card b leaves its pile: onto a card one rank above
// it that takes it (a card already shown then), into a free cell, onto an
// empty pile, or home (after every lower card of its suit, all shown by
// then). A pile first comes empty when its bottom card leaves onto a shown
// card or home. Counting every shown card as free to take b (the cards of
// the stock, waste, reserves and foundations too) over-counts what play can
// do; a card that even this count never shows is never shown at all, and
// the deal cannot be won.
#pragma once

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

// Whether some face-down card of the tableau can never be shown. Always
// false where free cells take cards or the stock deals rows onto the tableau
// piles (rows dealt onto reserves that only give count as the stock does).
bool cardHiddenForEver(const FastPosition& position);

}  // namespace quilloro::solver
