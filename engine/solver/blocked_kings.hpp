// A lost deal seen at a glance: where a king can never leave its tableau pile
// but for home, the cards under it wait for it, and it waits for the lower
// cards of its suit.
#pragma once

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

// Whether the kings block one another for ever: a king lies over a card its
// own suit needs home first, or kings over cards of each other's suits wait
// in a ring. Always false where a king may move on the tableau (an empty
// pile or a free cell takes it, or it travels inside a longer run), or where
// a second pack gives every card a twin.
bool kingsBlockForEver(const FastPosition& position);

}  // namespace quilloro::solver
