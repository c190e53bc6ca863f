#include "table/table_layout.hpp"

#include "cardlib/quilloro.h"
#include "table/layout_context.hpp"
#include "table/place_piles.hpp"
#include "table/small_screen_policy.hpp"

namespace quilloro {
namespace {

constexpr int kCardHeightVariable = 0;
constexpr int kCardWidthVariable = 1;

bool settingOn(const SettingsRecord& settings, const SettingsField& f) { return settings.get(f) != "N"; }

}  // namespace

TableLayout::TableLayout(SettingsRecord& settings, TableLayoutListener* listener, RandomSource random)
    : settings_(settings), listener_(listener), random_(std::move(random)), generator_(std::random_device{}()) {
  if (!random_) {
    random_ = [this](int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(generator_); };
  }
}

void TableLayout::markGameJustChosen(std::string gameName) {
  justChosenGame_ = std::move(gameName);
  gameJustChosen_ = true;
}

void TableLayout::applyCardSize(char letter) {
  cardSize_ = cardSizeFor(letter);
  fSetVarInt(kCardHeightVariable, cardSize_.height);
  fSetVarInt(kCardWidthVariable, cardSize_.width);
}

void TableLayout::prepareTable() {
  const bool justChosen = gameJustChosen_;
  gameJustChosen_ = false;
  if (state_ == nullptr) return;
  const GameParameters& p = state_->parameters;

  // The small cards are for a small screen, not for a table the zoom makes narrow.
  const std::string before = settings_.get(field::CardSize);
  const SmallScreenChange change =
      applySmallScreenPolicy(settings_, window_.unzoomedScreenWidth(), p[param::kNeedsWideScreen] == 1);
  const std::string after = settings_.get(field::CardSize);
  applyCardSize(after.empty() ? kCardSizeNormal.letter : after[0]);
  if (change == SmallScreenChange::Predefined) {
    customizeEnabled_ = false;
    if (listener_ != nullptr) listener_->customizeAvailable(false);
    if (justChosen && !noticeShown_) {
      noticeShown_ = true;
      if (listener_ != nullptr) listener_->notice(smallScreenNotice(justChosenGame_));
    }
  } else if (change == SmallScreenChange::Restored) {
    customizeEnabled_ = true;
    if (listener_ != nullptr) listener_->customizeAvailable(true);
  }
  if (before != after && listener_ != nullptr) listener_->cardSizeChanged(cardSize_);

  // Every new game lays the table out anew, so the offsets are drawn here too.
  regenerateUntidyOffsets();
  placePiles();
}

void TableLayout::regenerateUntidyOffsets() { untidy_.regenerate(random_); }

void TableLayout::placePiles() {
  if (state_ == nullptr) return;
  const GameParameters& p = state_->parameters;
  steps_ = fanStepsFor(p, cardSize_);
  const int shadow = settingOn(settings_, field::CardsShadowed) ? kShadowSize : 0;
  area_ = computeTableArea(p, window_, cardSize_, shadow);
  const LayoutContext context{p, area_, steps_};
  const PlacedPiles placed = quilloro::placePiles(context);
  anchors_ = placed.anchors;
  tableauGap_ = placed.tableauGap;
  storeAnchors();
}

void TableLayout::storeAnchors() const {
  for (int i = 0; i < kStockListSize; ++i) {
    fSetMazzoLeft(i, anchors_.stock[static_cast<std::size_t>(i)].left);
    fSetMazzoTop(i, anchors_.stock[static_cast<std::size_t>(i)].top);
  }
  for (int i = 0; i < kMaxFoundations; ++i) {
    fSetDestLeft(i, anchors_.foundations[static_cast<std::size_t>(i)].left);
    fSetDestTop(i, anchors_.foundations[static_cast<std::size_t>(i)].top);
  }
  for (int i = 0; i < kMaxReserves; ++i) {
    fSetAppoggLeft(i, anchors_.reserves[static_cast<std::size_t>(i)].left);
    fSetAppoggTop(i, anchors_.reserves[static_cast<std::size_t>(i)].top);
  }
  // The hand-over: the library gets the tableau anchors too, for other users.
  for (int i = 0; i < kMaxTableau; ++i) {
    fSetFilaLeft(i, anchors_.tableau[static_cast<std::size_t>(i)].left);
    fSetFilaTop(i, anchors_.tableau[static_cast<std::size_t>(i)].top);
  }
}

Anchor TableLayout::anchorOf(PileRef pile) const {
  if (pile.index < 0 || pile.index >= pileListSize(pile.list)) return anchors_.at(pile);
  // Drawing may lift the stock-list piles and store the lifted anchors in the
  // library; positions follow what is drawn. The program keeps the tableau's own.
  switch (pile.list) {
    case PileList::Stock: return {fGetMazzoLeft(pile.index), fGetMazzoTop(pile.index)};
    case PileList::Foundations: return {fGetDestLeft(pile.index), fGetDestTop(pile.index)};
    case PileList::Reserves: return {fGetAppoggLeft(pile.index), fGetAppoggTop(pile.index)};
    case PileList::Tableau: break;
  }
  return anchors_.at(pile);
}

bool TableLayout::isPlaced(PileRef pile) const { return anchorOf(pile).placed(); }

Spread TableLayout::spreadOfPile(PileRef pile) const {
  if (state_ == nullptr) return Spread::None;
  return spreadOf(pile.list, fanCodeOf(state_->parameters, pile.list));
}

Point TableLayout::stepAfter(Spread spread, CardNumber card, bool faceDown) const {
  // A side-by-side pile keeps a hole's place: that is what the hole is for.
  if (spread == Spread::SideBySide) return {cardSize_.width + steps_.sideBySideGap, 0};
  if (card == kNoCard) return {};
  switch (spread) {
    case Spread::Down: return {0, faceDown ? steps_.downFaceDown : steps_.downFaceUp};
    case Spread::Right: return {faceDown ? steps_.rightFaceDown : steps_.rightFaceUp, 0};
    case Spread::RightTight: return {faceDown ? steps_.tightRightFaceDown : steps_.tightRightFaceUp, 0};
    case Spread::DownTight: return {0, steps_.tightDown};
    default: return {};
  }
}

bool TableLayout::untidyApplies(PileRef pile) const {
  return pile.list == PileList::Tableau && spreadOfPile(pile) == Spread::Down &&
         settingOn(settings_, field::PilesIrregular);
}

Point TableLayout::cardPosition(PileRef pile, int slot) const {
  const Anchor anchor = anchorOf(pile);
  Point position{anchor.left, anchor.top};
  if (state_ == nullptr || pile.index < 0 || pile.index >= pileListSize(pile.list) || slot <= 0) return position;
  const Spread spread = spreadOfPile(pile);
  if (spread == Spread::None) return position;
  const Pile& cards = state_->piles.pile(pile);
  for (int i = 0; i < slot; ++i) {
    // Slots past the top are where further cards would land, face up.
    const bool onPile = i < cards.cardCount();
    const CardNumber card = onPile ? cards.at(i) : kMaxCard;
    const Point step = stepAfter(spread, card, onPile && state_->isFaceDown(card));
    position.x += step.x;
    position.y += step.y;
  }
  if (untidyApplies(pile)) position.x += untidy_.offset(pile.index, slot);
  return position;
}

int TableLayout::xOfCard(PileRef pile, int slot) const { return cardPosition(pile, slot).x; }

int TableLayout::bottomOfPile(PileRef pile) const {
  const int count = state_ != nullptr && pile.index >= 0 && pile.index < pileListSize(pile.list)
                        ? state_->piles.pile(pile).cardCount()
                        : 0;
  return cardPosition(pile, count > 0 ? count - 1 : 0).y + cardSize_.height;
}

}  // namespace quilloro
