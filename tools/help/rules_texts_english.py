"""The rules of every game in English, keyed by game index: object, layout, play, stock, variant, tips."""

RUN_THROUGH_CELLS = ("A run in sequence moves at once when it has no more cards than the free cells plus the "
                     "empty piles plus one; a run going into an empty pile may have one card fewer.")
TURN_FACE_DOWN = "A face-down card left on top of a pile is turned face up by clicking it."

TEXTS = {}

TEXTS[0] = dict(
    o="Build four foundations up in suit, from the ace to the king, until all 52 cards lie on them.",
    l="Seven tableau piles are dealt from left to right with 1, 2, 3, 4, 5, 6 and 7 cards; only the top card of "
      "each pile lies face up. The remaining 24 cards form the stock. The four foundations start empty.",
    p=["Tableau piles build down in alternate colours: a red 6 on a black 7, a black 6 on a red 7.",
       "A run of face-up cards that follows this rule may be moved as a whole.",
       "Only a king, or a run headed by a king, may be put into an empty pile.",
       TURN_FACE_DOWN,
       "Foundations take an ace first and then the 2, 3 and so on of the same suit. A card may be taken "
       "back from a foundation to the tableau."],
    s="A click on the stock turns one card onto the waste; its top card may be played. When the stock is "
      "empty, a click on it turns the waste back into the stock, as often as you like.",
    v="Classic Klondike: one card turned at a time, unlimited redeals.",
    t=["Turn face-down cards as early as you can: move from the pile that hides the most of them.",
       "Do not empty a pile unless a king is ready to go into it.",
       "Keep aces and twos moving to the foundations, but hold back middle cards that the tableau still needs."],
)

TEXTS[1] = dict(
    o="Move all 52 cards onto the four foundations, each built up in suit from the ace to the king.",
    l="The whole pack is dealt face up into eight tableau piles, the first four with seven cards and the "
      "other four with six. Above them lie four free cells and four foundations. There is no stock.",
    p=["Tableau piles build down in alternate colours.",
       "Each free cell holds one card of any kind; a card in a cell may be played to the tableau or to a "
       "foundation.",
       "Any card, or any run in sequence, may be put into an empty tableau pile.",
       RUN_THROUGH_CELLS,
       "Cards on the foundations stay there."],
    v="Classic FreeCell with four cells and eight piles.",
    t=["Almost every deal can be won: think before filling the last free cell.",
       "An empty tableau pile is worth more than a free cell, because it takes a whole run.",
       "Free the aces and twos first; they are often buried near the bottom of a pile."],
)

TEXTS[2] = dict(
    o="Arrange the 104 cards in the tableau into eight runs from king down to ace, each of one suit; every "
      "complete run leaves the tableau for a foundation. The game is won when the tableau and the stock are empty.",
    l="Two packs. Ten tableau piles: the first four get six cards, the other six get five; only the top card "
      "of each pile is face up. The other 50 cards form the stock. The eight foundations start empty.",
    p=["A card may go onto a card one rank higher, whatever its suit.",
       "Several cards move together only when they form a run of one suit, each card one rank below the one under it.",
       "Any card or run may be put into an empty pile.",
       TURN_FACE_DOWN,
       "A complete run of one suit from king to ace goes to a foundation; nothing else can be played there."],
    s="A click on the stock deals one card face up onto every tableau pile. This is allowed only while no "
      "pile is empty: fill every gap first. There is no redeal.",
    v="Spider with four suits and two packs; the hardest of the Spider games here.",
    t=["Build in suit whenever you have the choice: mixed runs cannot be moved as a whole.",
       "An empty pile is precious; use it to reorder runs rather than to park a single card.",
       "Before dealing from the stock, uncover as many face-down cards as you can."],
)

TEXTS[3] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="As in Klondike: seven piles of 1 to 7 cards with the top card face up, 24 cards in the stock and "
      "four empty foundations.",
    p=["Tableau piles build down in alternate colours, and runs that follow this rule move as a whole.",
       "Only a king, or a run headed by a king, may be put into an empty pile.",
       TURN_FACE_DOWN,
       "Foundations take the ace first, then the following cards of the same suit. A card may be taken back "
       "from a foundation."],
    s="A click on the stock turns three cards onto the waste; only the top card of the waste may be played. "
      "The waste may be turned back into the stock without limit.",
    v="Klondike turning three cards at a time, unlimited redeals.",
    t=["The order of the stock changes only when you play a card from the waste, so count where the cards you "
       "need will come up.",
       "Sometimes it is worth playing a waste card just to bring new cards to the top on the next pass."],
)

TEXTS[4] = dict(
    o="Build all 52 cards onto the four foundations.",
    l="Thirteen cards form the reserve, with only its top card available. Four tableau piles get one card "
      "each. One more card is dealt face up to the first foundation: its rank is the starting rank of every "
      "foundation. The remaining 34 cards form the stock.",
    p=["Foundations build up in suit from the starting rank, going on from the king to the ace: with a 7 as "
       "starting rank a foundation runs 7, 8 ... king, ace ... 6. An empty foundation takes only a card of the "
       "starting rank.",
       "Tableau piles build down in alternate colours, going on from the ace to the king; runs move as a whole.",
       "An empty tableau pile is filled at once with the top card of the reserve. When the reserve is used "
       "up, any card may be put into an empty pile by hand.",
       "Nothing may be put onto the reserve. A card may be taken back from a foundation."],
    s="A click on the stock turns three cards onto the waste; only the top card may be played. The waste may "
      "be turned back without limit.",
    v="Classic Canfield: three cards at a time, unlimited redeals.",
    t=["Empty the reserve first: every card played from it is a card you could not reach otherwise.",
       "Do not rush the tableau cards to the foundations when they are still needed to hold reserve cards."],
)

TEXTS[5] = dict(
    o="Move every card of the tableau and of the stock onto the discard pile.",
    l="Seven piles of five cards, all face up. One card starts the discard pile; the other 16 form the stock. "
      "There are no foundations.",
    p=["Click the top card of a pile to play it onto the discard pile. It must be one rank above or one rank "
       "below the discard pile's top card, in any suit: on a 7 you may play a 6 or an 8.",
       "The sequence does not turn round: an ace does not follow a king, nor a king an ace.",
       "Nothing is ever built on the piles."],
    s="A click on the stock turns its next card onto the discard pile, which then continues from that card. "
      "The stock is gone through once.",
    v="Golf with seven piles of five; a queen may follow a king on the discard pile.",
    t=["Look for the longest chain of cards before you start: playing the short chains first often blocks "
       "the long ones.",
       "Save the stock for when no pile offers a move."],
)

TEXTS[6] = dict(
    o="Remove every card of the pyramid, the stock and the waste, by kings alone and by pairs adding up to 13.",
    l="Twenty-eight cards are dealt face up as a pyramid of seven rows, each row partly covering the row above. "
      "The remaining 24 cards form the stock.",
    p=["A card is free when no card of the row below covers it. The cards of the bottom row are free at the start.",
       "Click a free king to remove it alone.",
       "Click two free cards whose ranks add up to 13 to remove them together: ace and queen, 2 and jack, 3 and "
       "10, 4 and 9, 5 and 8, 6 and 7. Jack counts 11, queen 12, king 13.",
       "The top card of the waste is free too. To pair a card with the top card of the stock, first click the "
       "card and then the stock.",
       "Clicking a chosen card again takes the choice back. Removed cards go to the discard pile."],
    s="A click on the stock turns one card onto the waste. The stock may be gone through three times in all.",
    v="Pyramid with three passes through the stock; stock and waste must be cleared too.",
    t=["Before removing a pair, check that it does not leave the matching card for another pair buried.",
       "Work on both sides of the pyramid: the cards near the top are freed from two directions."],
)

TEXTS[7] = dict(
    o="Remove all 52 cards in pairs of the same rank.",
    l="Twenty-five cards are dealt face up in a grid of five rows of five. The other 27 form the stock.",
    p=["Click two cards of the same rank that touch each other: side by side in a row, one above the other in "
       "a column, or diagonally. They are removed together.",
       "Cards that do not touch cannot be paired, even when nothing lies between them.",
       "Clicking a chosen card again takes the choice back."],
    s="A click on the stock closes up the grid: the remaining cards move forward in reading order, left to "
      "right and top to bottom, and the places left free at the end are filled from the stock.",
    v="Monte Carlo with diagonal pairs allowed and gaps closed on request.",
    t=["Before closing the gaps, take every pair you can: closing moves cards away from their neighbours.",
       "When you have a choice, take the pair whose removal brings other pairs together after the grid closes up."],
)

TEXTS[8] = dict(
    o="Place 25 cards in a five by five grid so that the five rows and the five columns make the best poker hands.",
    l="The grid of 25 places starts empty. Only 25 cards of the pack are used: they lie in the stock, and "
      "the other 27 stay out of play.",
    p=["Click the stock to turn a card onto the waste, then drag it into any empty place of the grid.",
       "A card placed in the grid never moves again.",
       "When a row or a column is complete it is scored as a poker hand, and the hand is announced."],
    s="One card is turned at a time; the stock is gone through once.",
    score="Royal flush 100 points, straight flush 75, four of a kind 50, full house 25, flush 20, straight 15, "
          "three of a kind 10, two pairs 5, one pair 2. An ace counts high in a straight with 10, jack, queen and "
          "king. The game is won when the full grid scores at least 100 points.",
    v="Poker Square in the English scoring; a turned card may wait on the waste while the next one is turned.",
    t=["Give each row one purpose (flush in one suit, say) and use the columns for pairs and three of a kind.",
       "Keep one row or column as a dump for cards that fit nowhere."],
)

TEXTS[9] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="Seven tableau piles of 1, 6, 7, 8, 9, 10 and 11 cards. The single card of the first pile and the top "
      "five cards of every other pile are face up. There is no stock.",
    p=["A card goes onto a card one rank higher of the other colour.",
       "Any face-up card may be moved together with all the cards above it, whether or not they are in "
       "sequence; only the card at the bottom of what you move must fit.",
       "Only a king, with whatever lies on it, may be put into an empty pile.",
       TURN_FACE_DOWN,
       "A card may be taken back from a foundation."],
    v="Classic Yukon.",
    t=["Moving a large group to uncover a face-down card is often the key move.",
       "Kings with many cards on them are best moved into an empty pile early."],
)

TEXTS[10] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="As in Yukon: seven piles of 1, 6, 7, 8, 9, 10 and 11 cards, the first pile's card and the top five "
      "cards of the other piles face up. There is no stock.",
    p=["A card goes onto the card one rank higher of the same suit.",
       "Any face-up card may be moved together with all the cards above it, whether or not they are in sequence.",
       "Only a king, with whatever lies on it, may be put into an empty pile.",
       TURN_FACE_DOWN,
       "A card may be taken back from a foundation."],
    v="Yukon building in suit.",
    t=["Building in suit leaves few choices: look far ahead before moving a large group.",
       "Uncovering the low cards of each suit early keeps the foundations moving."],
)

TEXTS[11] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="Thirteen piles of four cards, all face up. There is no stock.",
    p=["A card goes onto a card one rank higher, in any suit.",
       "Only one card is moved at a time.",
       "An empty pile stays empty: no card may be put into it.",
       "Cards on the foundations stay there."],
    v="Baker's Dozen without moving the kings to the bottom of their piles at the deal.",
    t=["A king lying on lower cards of its suit must be freed by clearing the cards around it; plan for it early.",
       "Free the aces first, then keep every suit moving evenly."],
)

TEXTS[12] = dict(
    o="Build eight foundations up in suit from the ace to the king, with all 104 cards.",
    l="Two packs. Ten piles of four cards, all face up. The other 64 cards form the stock.",
    p=["A card goes onto the card one rank higher of the same suit.",
       "Only one card is moved at a time.",
       "Any card may be put into an empty pile.",
       "Cards on the foundations stay there."],
    s="A click on the stock turns one card onto the waste; the stock is gone through once only.",
    v="Classic Forty Thieves: one card at a time, no redeal.",
    t=["An empty pile is the most valuable thing in this game; do not fill it without need.",
       "Play from the waste only when it does not bury a card you need in the tableau."],
)

TEXTS[13] = dict(
    o="Build eight foundations up in suit from the ace to the king.",
    l="Two packs. Eight piles of three cards, the top card face up. The other 80 cards form the stock.",
    p=["A card goes onto a card one rank higher of the other colour; runs in sequence move as a whole.",
       "Any card or run may be put into an empty pile.",
       TURN_FACE_DOWN,
       "A card may be taken back from a foundation."],
    s="A click on the stock deals one card face up onto every pile. There is no waste and no redeal.",
    v="Gypsy with eight piles of three and runs that move as a whole.",
    t=["Uncover the face-down cards before dealing: each deal covers every pile again.",
       "Keep long runs in alternate colours; they can be moved anywhere in one go."],
)

TEXTS[14] = dict(
    o="Arrange the cards into four runs from king to ace, each of one suit; each complete run leaves the "
      "tableau for a foundation.",
    l="Seven piles of seven cards. In the first four piles the bottom three cards are face down; all other "
      "cards are face up. The last three cards stay in the stock.",
    p=["A card goes onto the card one rank higher of the same suit.",
       "Any face-up card may be moved together with all the cards above it, whether or not they are in sequence.",
       "Only a king, with whatever lies on it, may be put into an empty pile.",
       TURN_FACE_DOWN,
       "A complete run of one suit from king to ace goes to a foundation."],
    s="A click on the stock deals its three cards, one onto each of the first three piles.",
    v="Scorpion with three face-down cards in each of the first four piles.",
    t=["Free the face-down cards first; they are all in the first four piles.",
       "Keep the stock for when the first three piles can take its cards without harm."],
)

TEXTS[15] = dict(
    o="Arrange the cards into four runs from king to ace, each of one suit; each complete run leaves the "
      "tableau for a foundation.",
    l="One pack. Seven piles of 1 to 7 cards with the top card face up, as in Klondike. The other 24 cards "
      "form the stock.",
    p=["A card goes onto a card one rank higher, whatever its suit.",
       "Several cards move together only when they form a run of one suit.",
       "Any card or run may be put into an empty pile.",
       TURN_FACE_DOWN,
       "A complete run of one suit from king to ace goes to a foundation."],
    s="A click on the stock deals one card face up onto every pile, but only while no pile is empty. There "
      "is no redeal.",
    v="Spiderette: one-pack Spider with four suits.",
    t=["With only seven piles, an empty one is rare: use it well.",
       "Build in suit when you can; mixed runs block the piles."],
)

TEXTS[16] = dict(
    o="Arrange the 104 cards into eight runs from king to ace; each complete run leaves the tableau for a "
      "foundation. The game is won when the tableau and the stock are empty.",
    l="Two packs. Ten piles: the first four get six cards, the other six get five; only the top card is face "
      "up. The other 50 cards form the stock.",
    p=["A card goes onto a card one rank higher, whatever its suit.",
       "Any run in sequence, whatever its suits, moves as a whole.",
       "Any card or run may be put into an empty pile.",
       TURN_FACE_DOWN,
       "A complete run from king to ace, of any suits, goes to a foundation."],
    s="A click on the stock deals one card face up onto every pile, but only while no pile is empty. There "
      "is no redeal.",
    v="Spider played as if every card had the same suit: the suits play no part.",
    t=["A good game to learn Spider: concentrate on uncovering the face-down cards.",
       "Keep the runs long; a king to ace run leaves the table by itself."],
)

TEXTS[17] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="Seven piles of three cards, the top card face up. The other 31 cards form the stock.",
    p=["A card goes onto a card one rank higher of the other colour; runs in sequence move as a whole.",
       "Any card or run may be put into an empty pile.",
       TURN_FACE_DOWN,
       "Cards on the foundations stay there."],
    s="A click on the stock deals one card face up onto every pile. There is no waste and no redeal.",
    v="Easthaven with seven piles of three.",
    t=["Before each deal, fill empty piles with long runs so that the new cards do not bury them.",
       "Turn every face-down card you can reach before dealing."],
)

TEXTS[18] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="Ten piles of three cards, the top card face up. The other 22 cards form the stock.",
    p=["A card goes onto a card one rank higher of the other colour; runs in sequence move as a whole.",
       "Any card or run may be put into an empty pile.",
       TURN_FACE_DOWN,
       "A card may be taken back from a foundation."],
    s="A click on the stock turns one card onto the waste; the stock is gone through once only.",
    v="Westcliff with ten piles of three and one pass through the stock.",
    t=["With ten piles most face-down cards are soon freed; the stock is the hard part.",
       "Keep an empty pile for waste cards that would otherwise block."],
)

TEXTS[19] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="As in Klondike: seven piles of 1 to 7 cards with the top card face up; 24 cards in the stock.",
    p=["A card goes onto a card one rank higher of any other suit: a 6 of hearts on any 7 but the 7 of hearts.",
       "Runs that follow this rule move as a whole.",
       "Any card or run may be put into an empty pile.",
       TURN_FACE_DOWN,
       "A card may be taken back from a foundation."],
    s="A click on the stock turns one card onto the waste; the stock is gone through once only.",
    v="Thumb and Pouch: building in any suit but one's own, one pass through the stock.",
    t=["The building rule is generous; the single pass through the stock is what makes the game hard.",
       "Use empty piles freely: any card may fill them."],
)

TEXTS[20] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="Ten piles of five cards, all face up. The last two cards go into two of the four cells. There is no stock.",
    p=["A card goes onto the card one rank higher of the same suit.",
       "Each cell holds one card of any kind.",
       "Only a king, or a run headed by a king, may be put into an empty pile.",
       RUN_THROUGH_CELLS,
       "Cards on the foundations stay there."],
    v="Seahaven Towers with two of the cells filled at the deal.",
    t=["Empty the two filled cells first when you can.",
       "Kings low in a pile block everything above them; plan to move them into empty piles."],
)

TEXTS[21] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="Seventeen fans of three cards and one fan of a single card, all face up. There is no stock.",
    p=["The top card of a fan may go onto the top card of another fan one rank higher of the same suit.",
       "Only one card is moved at a time.",
       "Only a king may be put into an empty place.",
       "Cards on the foundations stay there."],
    v="Fan without redeals.",
    t=["A king lying on a lower card of its own suit can only be freed through an empty place: empty one early.",
       "Look at the cards under each fan's top before you start; some deals need a precise order."],
)

TEXTS[22] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="Seventeen fans of three cards and one fan of a single card, all face up. There is no stock.",
    p=["The top card of a fan may go onto the top card of another fan that is one rank higher or one rank "
       "lower, in any suit.",
       "A fan may never hold more than three cards, so a card may go only onto a fan of one or two cards.",
       "An empty place is never filled.",
       "Cards on the foundations stay there."],
    v="Shamrocks without moving the kings at the deal.",
    t=["Moves between fans are mostly for freeing cards below; every card should end on a foundation.",
       "A fan of one card can take two more: keep such fans for the cards you need to move out of the way."],
)

TEXTS[23] = dict(
    o="Move all 52 cards into the black hole.",
    l="The ace of spades starts the discard pile, the black hole. The other 51 cards are dealt face up into "
      "seventeen fans of three. There is no stock.",
    p=["Click the top card of a fan to play it into the black hole. It must be one rank above or one rank "
       "below the hole's top card, in any suit.",
       "The sequence turns round: a king may follow an ace and an ace a king.",
       "Nothing is ever built on the fans."],
    v="Black Hole as usually played, with king and ace following each other.",
    t=["Plan long chains: count how many cards of each rank are still open.",
       "Clear the fans whose lower cards are needed later, so that they are not buried at the end."],
)

TEXTS[24] = dict(
    o="Move all the cards onto the eight foundations.",
    l="The four aces are dealt to the first four foundations. The other 48 cards lie face up in thirteen "
      "piles: four of three cards and nine of four. The four other foundations start empty. There is no stock.",
    p=["The ace foundations build up in suit.",
       "The other four foundations each take a king first and then build down in suit. The two foundations of "
       "a suit may meet anywhere.",
       "A top card may go onto the top card of another pile one rank higher of the same suit.",
       "Only one card is moved at a time, and an empty pile is never filled.",
       "Cards on the foundations stay there."],
    v="Bisley in which the piles build only downward; cards that an ace foundation takes at once after the "
      "deal go there by themselves.",
    t=["Decide early, for each suit, whether the ace or the king foundation should take the middle cards.",
       "Free the kings: until a king foundation is started, half of each suit has nowhere to go."],
)

TEXTS[25] = dict(
    o="Build all 52 cards onto the four foundations.",
    l="Thirteen cards form the reserve, with only its top card available. Four tableau piles get one card "
      "each. One card is dealt face up to the first foundation; its rank starts every foundation. The other "
      "34 cards form the stock.",
    p=["Foundations build up in suit from the starting rank, going on from the king to the ace.",
       "Tableau piles build down in any suit, going on from the ace to the king; runs move as a whole.",
       "An empty tableau pile is filled at once with the top card of the reserve; when the reserve is used "
       "up, any card may fill it by hand.",
       "Nothing may be put onto the reserve. A card may be taken back from a foundation."],
    s="A click on the stock turns one card onto the waste. The stock may be gone through three times in all.",
    v="Rainbow: Canfield with one card turned at a time, three passes and building in any suit.",
    t=["Use the free building to dig into the reserve quickly.",
       "Count the passes: on the last one, play every useful waste card."],
)

TEXTS[26] = dict(
    o="Build all 52 cards onto the four foundations.",
    l="Four reserve fans of three cards and four tableau piles of one card, all face up. One card is dealt "
      "face up to the first foundation; its rank starts every foundation. The other 35 cards form the stock.",
    p=["Foundations build up in suit from the starting rank, going on from the king to the ace.",
       "Tableau piles build down in alternate colours, going on from the ace to the king; runs move as a whole.",
       "The top card of each reserve fan may be played, but nothing may be put onto a fan.",
       "Any card may be put into an empty tableau pile; a reserve card is usually the best choice.",
       "A card may be taken back from a foundation."],
    s="A click on the stock turns one card onto the waste. The stock may be gone through twice in all.",
    v="Duchess with the first foundation card dealt, not chosen from the fans; one redeal.",
    t=["Empty the reserve fans first; the stock comes round again, the fans do not.",
       "Keep one tableau pile free for a reserve card that blocks another."],
)

TEXTS[27] = dict(
    o="Arrange the cards into four runs from king to ace, each of one suit; each complete run leaves the "
      "tableau for a foundation.",
    l="The whole pack is dealt face up into ten piles of 8, 8, 8, 7, 6, 5, 4, 3, 2 and 1 cards. There is no stock.",
    p=["A card goes onto a card one rank higher, whatever its suit.",
       "Several cards move together only when they form a run of one suit.",
       "Any card or run may be put into an empty pile.",
       "A complete run of one suit from king to ace goes to a foundation."],
    v="Simple Simon as usually played.",
    t=["Sort by suit as soon as you can: mixed runs can only be taken apart card by card.",
       "Empty the short piles on the right first; empty piles are the key to this game."],
)

TEXTS[28] = dict(
    o="Build all 52 cards onto the four foundations.",
    l="Seven piles of 1 to 7 cards with the top card face up, as in Klondike, and a row of seven reserves of "
      "one face-up card. One card is dealt face up to the first foundation; its rank starts every foundation. "
      "The other 16 cards form the stock.",
    p=["Foundations build up in suit from the starting rank, going on from the king to the ace.",
       "Tableau piles build down in alternate colours, going on from the ace to the king; runs move as a whole.",
       "An empty pile takes only a card one rank below the starting rank, or a run headed by one.",
       "Reserve cards may be played to the tableau or to the foundations, but nothing may be put onto a reserve.",
       TURN_FACE_DOWN],
    s="A click on the stock deals one card onto every reserve. There is no redeal.",
    v="Agnes Bernauer as usually played, with the reserves dealt from the stock.",
    t=["Play the reserve cards before the next deal covers them.",
       "Cards one rank below the starting rank are the kings of this game: keep an eye on them."],
)

TEXTS[29] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="Seven piles of 1 to 7 cards, as in Klondike, but every card face up. The other 24 cards form the stock.",
    p=["A card goes onto a card one rank higher of the same colour: hearts on diamonds or hearts, clubs on "
       "spades or clubs.",
       "Several cards move together only when they form a run of one suit.",
       "Any card or run may be put into an empty pile.",
       "A card may be taken back from a foundation."],
    s="A click on the stock turns one card onto the waste; the stock is gone through once only.",
    v="Whitehead with one pass through the stock.",
    t=["Prefer building in suit to building in colour: only suited runs move together.",
       "Every card is visible from the start: plan the whole game before the first move."],
)

TEXTS[30] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="The whole pack is dealt face up into ten piles of 1, 2, 3, 4, 5, 6, 7, 8, 8 and 8 cards. There is no stock.",
    p=["A card goes onto a card one rank higher of the other colour.",
       "Only one card is moved at a time.",
       "Any card may be put into an empty pile.",
       "Cards on the foundations stay there."],
    v="Somerset as usually played.",
    t=["Moving one card at a time is slow: an empty pile lets you move two cards of a run.",
       "The short piles on the left are emptied first."],
)

TEXTS[31] = dict(
    o="Build eight foundations up in suit from the ace to the king.",
    l="Two packs. Nine piles of 1 to 9 cards with the top card face up. The other 59 cards form the stock.",
    p=["A card goes onto a card one rank higher of the other colour; runs in sequence move as a whole.",
       "Only a king, or a run headed by a king, may be put into an empty pile.",
       TURN_FACE_DOWN,
       "A card may be taken back from a foundation."],
    s="A click on the stock turns one card onto the waste. The stock may be gone through twice in all.",
    v="Gargantua, the two-pack Klondike, with one redeal.",
    t=["There are two cards of each: when one is out of reach, look for its twin.",
       "As in Klondike, do not empty a pile without a king to put there."],
)

TEXTS[32] = dict(
    o="Build all 104 cards onto the eight foundations.",
    l="Two packs. Eleven cards are fanned face up as the terrace, a reserve whose top card is available. Nine "
      "tableau piles get one card each. One card is dealt face up to the first foundation; its rank starts "
      "every foundation. The other 83 cards form the stock.",
    p=["Foundations build up in alternate colours from the starting rank, going on from the king to the ace.",
       "Tableau piles build down in alternate colours, one card at a time.",
       "An empty tableau pile is filled at once with the top card of the waste, or of the stock when the waste "
       "is empty.",
       "The top card of the terrace may be played, but nothing may be put onto it.",
       "Cards on the foundations stay there."],
    s="A click on the stock turns one card onto the waste; the stock is gone through once only.",
    v="Terrace with the first foundation card dealt, not chosen by the player.",
    t=["The terrace is the hard part: play its cards whenever a foundation or a pile takes them.",
       "Do not empty a tableau pile carelessly: the card that fills it comes from the waste whether you like it or not."],
)

TEXTS[33] = dict(
    o="Build four foundations up from the ace to the king, regardless of suit.",
    l="All 52 cards lie in the stock. Below the foundations are four empty waste piles.",
    p=["Click the stock to turn a card; then play it to a foundation or put it on any of the four waste piles.",
       "A foundation takes an ace first and then a card one rank higher of any suit.",
       "The top card of a waste pile may be played only to a foundation, never to another waste pile.",
       "Cards on the foundations stay there."],
    s="One card is turned at a time and the stock is gone through once only.",
    v="Sir Tommy in which a turned card may wait on its own waste before you place it.",
    t=["Keep one waste pile for kings and queens, which go to the foundations last.",
       "Do not put a card on a lower card of the same waste pile when you can avoid it."],
)

TEXTS[34] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="Sixteen cards are fanned face up as the cellar, a reserve whose top card is available; any aces among "
      "them go to the foundations at the deal. Six piles of two cards have their top card face up. The other 24 cards form the stock.",
    p=["Tableau piles build down in alternate colours; runs in sequence move as a whole.",
       "An empty tableau pile is filled at once with the top card of the cellar; when the cellar is used up, "
       "any card may fill it by hand.",
       "Nothing may be put onto the cellar.",
       TURN_FACE_DOWN,
       "Cards on the foundations stay there."],
    s="A click on the stock turns one card onto the waste. The stock may be gone through twice in all.",
    v="Ace Cellar, a game of our own in the Canfield family.",
    t=["The cellar feeds the empty piles: empty a pile when the cellar's top card is one you want in play.",
       "Use the second pass to pick up the cards you had to skip."],
)

TEXTS[35] = dict(
    o="Remove all 52 cards in groups adding up to 15, and the tens and court cards in fours.",
    l="Sixteen cards are dealt face up in a grid of four by four. The other 36 form the stock.",
    p=["Click cards to choose them; clicking a chosen card again takes it back.",
       "Cards from ace to 9 whose ranks add up to exactly 15 are removed together, two or more of them (ace "
       "counts 1).",
       "Four tens, four jacks, four queens or four kings are removed together.",
       "A ten or a court card cannot be mixed with other ranks.",
       "Every gap is filled at once from the stock."],
    v="Fifteens with any number of cards in a group of 15.",
    t=["Remove tens and court cards as soon as four of a rank are showing; they clog the grid.",
       "Use many small cards in one group when you can; small cards are harder to place later."],
)

TEXTS[36] = dict(
    o="Build all 52 cards onto the four foundations.",
    l="Five piles of one card form a cross; one card is dealt face up to the first foundation in a corner, and "
      "its rank starts every foundation. The other 46 cards form the stock.",
    p=["Foundations build up in suit from the starting rank, going on from the king to the ace.",
       "Piles build down in any suit, going on from the ace to the king, one card at a time.",
       "Any card may be put into an empty pile.",
       "Cards on the foundations stay there."],
    s="A click on the stock turns one card onto the waste; the stock is gone through once only.",
    v="Four Seasons (Corner Card) with one pass through the stock.",
    t=["Keep at least one pile empty for a waste card you need to save.",
       "Build piles in long runs so that the cards come off in order later."],
)

TEXTS[37] = dict(
    o="Move every card of the piles and of the stock onto the discard pile.",
    l="Eight piles of four cards, all face up, in a staircase. One card starts the discard pile; the other 19 "
      "form the stock. There are no foundations.",
    p=["Click the top card of a pile to play it onto the discard pile. It must be one rank above or one rank "
       "below the discard pile's top card, in any suit.",
       "The sequence turns round: an ace may follow a king and a king an ace.",
       "Nothing is ever built on the piles."],
    s="A click on the stock turns its next card onto the discard pile. The stock is gone through once.",
    v="Putt Putt (round-the-corner Golf) with eight piles of four.",
    t=["Because the ranks turn round, long chains are common: look for the longest one.",
       "Keep the stock for when no pile can play."],
)

TEXTS[38] = dict(
    o="Move all 52 cards onto the four foundations.",
    l="Four piles of four cards, the top card face up. One card is dealt face up to the first foundation; "
      "its rank starts every foundation. The other 35 cards form the stock.",
    p=["The first foundation takes any card of its own suit, in any order.",
       "Each other foundation is started by a card of the starting rank, and then takes cards of that card's "
       "suit in any order.",
       "A card may go onto the second, third or fourth foundation only when the foundation before it already "
       "holds a card of the same rank.",
       "Nothing is built on the piles; only their top cards and the top card of the waste may be played.",
       TURN_FACE_DOWN],
    s="A click on the stock turns three cards onto the waste; only the top card may be played. The waste may "
      "be turned back without limit.",
    v="Osmosis (Treasure Trove) with three cards turned at a time and unlimited redeals.",
    t=["The first foundation decides everything: feed it as quickly as you can.",
       "Start the other foundations as soon as a card of the starting rank shows."],
)

TEXTS[39] = dict(
    o="Build eight foundations up in suit from the ace to the king.",
    l="Two packs. Twelve piles of one card face up. The other 92 cards form the stock.",
    p=["A card goes onto the card one rank higher of the same suit.",
       "Only one card is moved at a time.",
       "Any card may be put into an empty pile.",
       "Cards on the foundations stay there."],
    s="A click on the stock turns one card onto the waste; the stock is gone through once only.",
    v="Busy Aces as usually played.",
    t=["Twelve piles give room: use them to keep waste cards in play rather than burying them.",
       "Empty piles fill easily, so do not be afraid to use them."],
)

TEXTS[40] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="The four aces start the foundations. Twelve piles get one card each, face up. The other 36 cards form "
      "the stock.",
    p=["A card goes onto the card one rank higher of the same suit.",
       "Only one card is moved at a time.",
       "An empty pile is filled at once with the top card of the waste, or of the stock when the waste is empty.",
       "Cards on the foundations stay there."],
    s="A click on the stock turns one card onto the waste; the stock is gone through once only.",
    v="Fortune's Favor; right after the deal every card that a foundation accepts goes there by itself, even "
      "from under other cards.",
    t=["Empty piles are filled for you: empty a pile when the waste card is one you want to keep.",
       "Long runs in suit are safe; they go to the foundations in one sweep."],
)

TEXTS[41] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="The four aces start the foundations. Twenty cards are dealt face up as the carpet, four rows of five. "
      "The other 28 cards form the stock.",
    p=["Nothing is built on the carpet: its cards may only go to the foundations, as may the top card of the waste.",
       "Each gap in the carpet is filled at once with the top card of the waste, or of the stock when the "
       "waste is empty.",
       "Cards on the foundations stay there."],
    s="A click on the stock turns one card onto the waste; the stock is gone through once only.",
    v="Carpet; right after the deal every card that a foundation accepts goes there by itself.",
    t=["The only choice is which card to play when two can go up: prefer the carpet card, which brings a new "
       "card into play.",
       "Watch the suits on the foundations: a blocked suit means the carpet fills with its cards."],
)

TEXTS[42] = dict(
    o="Build eight foundations up in suit from the ace to the king.",
    l="Two packs. Eight piles of four cards face up, laid in two columns of four. The other 72 cards form the stock.",
    p=["A card goes onto a card one rank higher, whatever its suit.",
       "Only one card is moved at a time.",
       "Any card may be put into an empty pile.",
       "Cards on the foundations stay there."],
    s="A click on the stock turns one card onto the waste; the stock is gone through once only.",
    v="Diplomat with one pass through the stock.",
    t=["Building in any suit is easy, but only one card moves at a time: keep runs short and useful.",
       "An empty pile lets you move a run of two; keep one for that."],
)

TEXTS[43] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="Eight piles of six cards, all face up. The last four cards go into four of the eight cells. There is no stock.",
    p=["A card goes onto the card one rank higher of the same suit.",
       "Each cell holds one card of any kind.",
       "Only a king, or a run headed by a king, may be put into an empty pile.",
       RUN_THROUGH_CELLS,
       "Cards on the foundations stay there."],
    v="Eight Off with four of the eight cells filled at the deal.",
    t=["Eight cells seem many, but they fill quickly: empty the cells that the deal filled.",
       "A king at the bottom of a pile is a gift; a king high in a pile must go to an empty pile."],
)

TEXTS[44] = dict(
    o="Move the forty cards of the piles onto the twelve foundations of the clock.",
    l="Twelve cards are set out as a clock face: the 2 of hearts, 3 of spades, 4 of diamonds, 5 of clubs, 6 of "
      "hearts, 7 of spades, 8 of diamonds, 9 of clubs, 10 of hearts, jack of spades, queen of diamonds and "
      "king of clubs, each at the hour on which its foundation would end. The other forty cards lie face up in four piles "
      "of ten. There is no stock.",
    p=["Each foundation builds up in suit from its card, going on from the king to the ace.",
       "In the piles a card goes onto a card one rank higher, whatever its suit, and a king goes onto an ace. "
       "Nothing may be put onto a 10, the rank of the card at one o'clock.",
       "Any face-up card may be moved together with all the cards above it, as in Yukon, whether or not they are "
       "in sequence; only the card at the bottom of what you move must fit.",
       "Any card, with whatever lies on it, may be put into an empty pile.",
       "Cards on the foundations stay there."],
    v="Grandfather's Clock with four piles of ten instead of eight of five; a foundation is not stopped at its "
      "hour, and runs move as in Yukon.",
    t=["Most deals can be won: free the low cards of each suit first.",
       "Use the building in any suit to sort cards by the foundation they will go to.",
       "Moving a group frees a buried card in one move: look for such moves before shifting cards one by one."],
)

TEXTS[45] = dict(
    o="Play every card of the stock onto the twelve foundations.",
    l="All 52 cards lie in the stock. There are twelve foundations: four that start with a 6, four that start "
      "with a 5 and, in the centre, four places for the queens.",
    p=["A 6 starts each of the first four foundations, which then build up in suit: 7, 8, 9 and onwards.",
       "A 5 starts each of the next four, which build down in suit: 4, 3, 2, ace and onwards to the king.",
       "The four centre places take only a queen each.",
       "Cards on the foundations stay there."],
    s="A click on the stock turns one card onto the waste, whose top card may be played. The stock may be "
      "gone through three times in all.",
    v="Quadrille (Captive Queens) in which a foundation is not stopped at the jack or the king, and the queens "
      "are placed onto the centre by hand.",
    t=["Put the queens in the centre: a queen played on a jack ties up that foundation's suit.",
       "Use the three passes to let the waste order work for you; note which cards come up late."],
)

TEXTS[46] = dict(
    o="Remove all 52 cards: kings alone, other cards in pairs adding up to 13.",
    l="Ten cards are dealt face up in two rows of five. The other 42 form the stock.",
    p=["Click a king to remove it.",
       "Click two cards whose ranks add up to 13 to remove them together: ace and queen, 2 and jack, 3 and 10, "
       "4 and 9, 5 and 8, 6 and 7.",
       "Clicking a chosen card again takes it back.",
       "Every gap is filled at once from the stock."],
    v="Thirteens (Baroness) with a row of ten cards.",
    t=["There is not much choice: when there is, take the pair whose ranks are scarce on the table.",
       "Count the cards still to come of each rank to see whether a deal can still be won."],
)

TEXTS[47] = dict(
    o="Build all four foundations up to the king, each counting by its own interval.",
    l="An ace, a 2, a 3 and a 4 start the four foundations. The other 48 cards lie in the stock. Below the "
      "foundations are four empty waste piles.",
    p=["The first foundation builds by ones (A, 2, 3 ... K), the second by twos (2, 4, 6, 8, 10, Q, A, 3, 5, 7, "
       "9, J, K), the third by threes (3, 6, 9, Q, 2, 5, 8, J, A, 4, 7, 10, K) and the fourth by fours (4, 8, "
       "Q, 3, 7, J, 2, 6, 10, A, 5, 9, K). Suits play no part.",
       "The rank each foundation needs next is shown above it.",
       "Click the stock to turn a card; then play it to a foundation or put it on any waste pile.",
       "The top card of a waste pile may go only to a foundation, never to another waste pile."],
    s="One card is turned at a time and the stock is gone through once only.",
    v="Calculation (Broken Intervals); the starting cards are the ace of hearts, 2 of diamonds, 3 of clubs "
      "and 4 of spades.",
    t=["Give each waste pile a purpose: for example keep kings on one pile, since every foundation ends on one.",
       "Build waste piles downward by the interval of the foundation they will feed, so they unload in order."],
)

TEXTS[48] = dict(
    o="Build four foundations up in suit from the starting rank.",
    l="One card is dealt face up to the first foundation; its rank starts every foundation. The other 51 cards "
      "lie face up in seven piles, the first of nine cards and the others of seven. Seven cells start empty. "
      "There is no stock.",
    p=["Foundations build up in suit, going on from the king to the ace.",
       "Piles build down in suit, going on from the ace to the king.",
       "An empty pile takes only a card one rank below the starting rank, or a run headed by one.",
       "Each cell holds one card of any kind.",
       RUN_THROUGH_CELLS,
       "Cards on the foundations stay there."],
    v="Penguin without setting out the other cards of the starting rank at the deal.",
    t=["Free the other three cards of the starting rank first: the foundations wait for them.",
       "Seven cells make most deals winnable; use them for cards that block a long suited run."],
)

TEXTS[49] = dict(
    o="Build eight foundations up in suit from the ace to the king.",
    l="Two packs. Eight piles of one card face up. The other 96 cards form the stock. A single reserve place "
      "starts empty.",
    p=["A card goes onto a card one rank higher of the other colour; runs in sequence move as a whole.",
       "Only a king, or a run headed by a king, may be put into an empty pile.",
       "One card at a time may be waived: put it aside on the reserve place and play it from there later.",
       "Cards on the foundations stay there."],
    s="A click on the stock deals one card face up onto every pile. There is no redeal.",
    v="Miss Milligan in which waiving is allowed before the stock is used up too.",
    t=["Each deal covers every pile: move what you can before dealing again.",
       "Waive a card that blocks a long run, and bring it back as soon as it fits."],
)

TEXTS[50] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="The four aces start the foundations in a column in the middle. The other 48 cards are dealt face up "
      "into eight rows of six, four rows on each side. There is no stock.",
    p=["The outer card of a row goes onto the outer card of another row one rank higher, whatever its suit.",
       "Only one card is moved at a time.",
       "Any card may be put into an empty row.",
       "Cards on the foundations stay there."],
    v="Beleaguered Castle; right after the deal every card that a foundation accepts goes there by itself.",
    t=["Empty a row early: it is the only way to move more than one card.",
       "Dig for the twos and threes first; the rest often follows."],
)

TEXTS[51] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="Thirteen piles of four cards, the top card face up, are laid out as a clock with one pile in the middle. "
      "There is no stock.",
    p=["A card goes onto a card one rank higher, whatever its suit.",
       "Only one card is moved at a time.",
       "Any card may be put into an empty pile.",
       TURN_FACE_DOWN,
       "Cards on the foundations stay there."],
    v="Clock Tower, a game of our own.",
    t=["Turn face-down cards as soon as you can; each one opens new moves.",
       "Keep an empty pile for shuffling cards between piles."],
)

TEXTS[52] = dict(
    o="Build eight foundations up in suit from the ace to the king.",
    l="Two packs, dealt face up into twenty-six piles of four. Eight cells start empty. There is no stock.",
    p=["A card goes onto the card one rank higher of the same suit.",
       "Any card or run may be put into an empty pile.",
       "Each cell holds one card of any kind.",
       RUN_THROUGH_CELLS,
       "Cards on the foundations stay there."],
    v="Grand Harbour, a game of our own: FreeCell with two packs.",
    t=["With twenty-six short piles, emptying one is easy; keep a few empty for long runs.",
       "Free the aces first: there are eight of them."],
)

TEXTS[53] = dict(
    o="Build all 104 cards onto the nine foundations.",
    l="Two packs. Eight kings and one ace of hearts start nine foundations laid out in a square, the ace in "
      "the centre. Eight single cards, the divan, lie face up beside them. The other 87 cards form the stock.",
    p=["Each king foundation builds up in suit starting from the ace: king, ace, 2 ... queen.",
       "The ace of hearts builds up in suit to the king.",
       "The divan cards may only be played to the foundations; nothing is built on them.",
       "Each gap in the divan is filled at once with the top card of the waste, or of the stock when the waste "
       "is empty.",
       "Cards on the foundations stay there."],
    s="A click on the stock turns one card onto the waste. The stock may be gone through three times in all.",
    v="Sultan with the ace of hearts as centre foundation and every king building.",
    t=["Spread the cards of each suit over its two king foundations, so that neither blocks.",
       "Keep the divan as varied as you can: a divan full of one rank is stuck."],
)

TEXTS[54] = dict(
    o="Discard every card, leaving the piles and the stock empty.",
    l="Four piles of one card face up. The other 48 cards form the stock.",
    p=["A top card may be discarded when the top card of another pile is of the same suit and higher. Aces "
       "rank high.",
       "Aces may be discarded at any time.",
       "A top card may be moved into an empty pile.",
       "Nothing else may be built on the piles."],
    s="A click on the stock deals one card onto every pile. There is no redeal.",
    v="Aces Up in which the aces are discarded too (in the traditional game four aces stay).",
    t=["Use each empty pile to bring a buried high card to the top.",
       "Do not discard an ace too early: it keeps the lower cards of its suit moving."],
)

TEXTS[55] = dict(
    o="Play all 104 cards of the stock onto the sixteen foundations.",
    l="Two packs, all in the stock. Sixteen foundations start empty: eight build up from the aces and eight "
      "build down from the kings.",
    p=["An up foundation takes an ace first and then builds up in suit.",
       "A down foundation takes a king first and then builds down in suit.",
       "Only the top card of the waste may be played.",
       "Cards on the foundations stay there."],
    s="A click on the stock turns one card onto the waste. The stock may be gone through twice in all.",
    v="Ebb and Flow, a game of our own.",
    t=["Each suit has four foundations: spread its cards so that both directions can go on.",
       "On the first pass, note the cards that you could not play; they come round again."],
)

TEXTS[56] = dict(
    o="Build all 104 cards onto the sixteen foundations.",
    l="Two packs. Nine piles of five cards face up. Sixteen foundations start empty: eight build up from the "
      "aces and eight down from the kings. The other 59 cards form the stock.",
    p=["An up foundation takes an ace first and builds up in suit; a down foundation takes a king first and "
       "builds down in suit.",
       "A card goes onto the card one rank higher of the same suit in the piles; only one card is moved at a time.",
       "Any card may be put into an empty pile.",
       "Cards on the foundations stay there."],
    s="A click on the stock deals one card face up onto every pile. There is no redeal.",
    v="Crossroads, a game of our own.",
    t=["Move cards to the foundations before dealing: each deal covers all nine piles.",
       "A card in the middle of its suit can go either way; choose the direction that frees more cards."],
)

TEXTS[57] = dict(
    o="Remove all 52 cards in pairs adding up to 14.",
    l="The pack is dealt face up into twelve piles: four of five cards and eight of four. There is no stock.",
    p=["Click two top cards whose ranks add up to 14 to remove them together: ace and king, 2 and queen, 3 and "
       "jack, 4 and 10, 5 and 9, 6 and 8, or two 7s. Jack counts 11, queen 12, king 13.",
       "Only the top cards of the piles may be chosen. Clicking a chosen card again takes it back."],
    v="Fourteen Out (Fourteens) with twelve piles.",
    t=["When two pairs are possible, take the one that uncovers cards which pair with others on top.",
       "Look at what lies under a card before you remove it."],
)

TEXTS[58] = dict(
    o="Build four foundations up in suit from the ace to the king.",
    l="Seventeen fans of three cards and one fan of a single card, all face up.",
    p=["The top card of a fan goes onto the top card of another fan one rank higher of the same suit.",
       "Only one card is moved at a time.",
       "An empty place is never filled.",
       "Cards on the foundations stay there."],
    s="When you are stuck, click the stock: the cards left in the fans are gathered, mixed and dealt out "
      "again into fans. This may be done twice in a game.",
    v="La Belle Lucie with two redeals; the gathered cards are mixed by a fixed rule and dealt round the "
      "places one at a time, not shuffled and dealt in threes.",
    t=["Before a redeal, play everything you can: each redeal shortens the game.",
       "Kings above lower cards of their suit are the usual block; free those first."],
)

TEXTS[59] = dict(
    o="Remove all 52 cards in pairs of the same rank.",
    l="Nine cards are dealt face up in a square of three by three. The other 43 form the stock.",
    p=["Click two cards of the same rank anywhere in the square to remove them together.",
       "Clicking a chosen card again takes it back.",
       "Every gap is filled at once from the stock."],
    v="Nine Pairs, a game of our own.",
    t=["The game is lost only when nine different ranks show at once.",
       "Take every pair you see: a pair left waiting only takes up places."],
)

TEXTS[60] = dict(
    o="Remove all 52 cards in pairs of the same rank.",
    l="Twelve cards are dealt face up in three rows of four. The other 40 form the stock.",
    p=["Click two cards of the same rank anywhere in the rows to remove them together.",
       "Clicking a chosen card again takes it back.",
       "Every gap is filled at once from the stock."],
    v="Matchmaker, a game of our own.",
    t=["Twelve places make a pair almost sure; plan only to avoid leaving one card of a rank at the end.",
       "Pairs of ranks seen often are the safest."],
)
