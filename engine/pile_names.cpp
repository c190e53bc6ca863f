// Classification of pile names by their tags, and the names of piles.
#include "engine/pile_names.hpp"

#include <charconv>

namespace quilloro {
namespace {

// The decimal pile number after a tag, accepted only within 1..count.
std::optional<int> pileNumber(std::string_view digits, int count) {
  if (digits.empty() || digits.size() > 3) return std::nullopt;
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  if (number < 1 || number > count) return std::nullopt;
  return number;
}

std::optional<PileRef> numbered(PileList list, std::string_view digits) {
  const std::optional<int> number = pileNumber(digits, pileListSize(list));
  if (!number) return std::nullopt;
  return PileRef{list, *number - 1};
}

}  // namespace

int pileListSize(PileList list) {
  switch (list) {
    case PileList::Stock: return kStockListSize;
    case PileList::Foundations: return kMaxFoundations;
    case PileList::Tableau: return kMaxTableau;
    case PileList::Reserves: return kMaxReserves;
  }
  return 0;
}

std::optional<PileRef> pileFromName(std::string_view name) {
  if (name.starts_with("Fila")) return numbered(PileList::Tableau, name.substr(4));
  if (name.starts_with("Dest")) return numbered(PileList::Foundations, name.substr(4));
  if (name.starts_with("Appogg")) return numbered(PileList::Reserves, name.substr(6));
  if (name == "Mazzo") return PileRef{PileList::Stock, kStockIndex};
  if (name == "Mazzo_Vis") return PileRef{PileList::Stock, kWasteIndex};
  return std::nullopt;
}

std::string pileName(PileRef pile) {
  switch (pile.list) {
    case PileList::Stock:
      return pile.index == kStockIndex ? "Mazzo" : pile.index == kWasteIndex ? "Mazzo_Vis" : "";
    case PileList::Foundations: return "Dest" + std::to_string(pile.index + 1);
    case PileList::Tableau: return "Fila" + std::to_string(pile.index + 1);
    case PileList::Reserves: return "Appogg" + std::to_string(pile.index + 1);
  }
  return {};
}

PileKind pileKindOf(PileRef pile) {
  switch (pile.list) {
    case PileList::Stock:
      return pile.index == kStockIndex ? PileKind::Stock
             : pile.index == kWasteIndex ? PileKind::Waste
                                         : PileKind::Discard;
    case PileList::Foundations: return PileKind::Foundation;
    case PileList::Tableau: return PileKind::Tableau;
    case PileList::Reserves: return PileKind::Reserve;
  }
  return PileKind::None;
}

}  // namespace quilloro
