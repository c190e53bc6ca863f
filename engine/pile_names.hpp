// The four pile lists, pile names ("Fila3", "Dest1", "Appogg2", "Mazzo") and pile-kind codes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quilloro {

enum class PileList { Stock, Foundations, Tableau, Reserves };

inline constexpr int kStockListSize = 3;
inline constexpr int kMaxFoundations = 16;
inline constexpr int kMaxTableau = 26;
inline constexpr int kMaxReserves = 8;

// Entries of the stock list.
inline constexpr int kStockIndex = 0;
inline constexpr int kWasteIndex = 1;
inline constexpr int kDiscardIndex = 2;

// Where a card lies, as a number; files and the card counter use these codes.
enum class PileKind {
  Stock = 1,
  Waste = 2,
  Discard = 3,
  Tableau = 4,
  Foundation = 5,
  Reserve = 6,
  None = 255,
};

int pileListSize(PileList list);

// A pile by list and 0-based index.
struct PileRef {
  PileList list;
  int index;
  friend bool operator==(const PileRef&, const PileRef&) = default;
};

inline constexpr PileRef kStockPile{PileList::Stock, kStockIndex};
inline constexpr PileRef kWastePile{PileList::Stock, kWasteIndex};
inline constexpr PileRef kDiscardPile{PileList::Stock, kDiscardIndex};

// The pile a name addresses: "Mazzo" the stock, "Mazzo_Vis" the waste,
// "Fila"/"Dest"/"Appogg" followed by the 1-based number in decimal. Names
// that are no pile (move commands such as "Waste", numbers out of range,
// anything else) give nothing. The discard pile has no name.
std::optional<PileRef> pileFromName(std::string_view name);

// The name of a pile; empty for the discard pile.
std::string pileName(PileRef pile);

PileKind pileKindOf(PileRef pile);

// Names the move executor understands that are not piles.
namespace move_command {
inline constexpr std::string_view kWaste = "Waste";
inline constexpr std::string_view kStock02 = "Stock02";
inline constexpr std::string_view kDestAutoplay = "Dest_Autoplay";
inline constexpr std::string_view kAddTableaus = "Add_Tableaus";
inline constexpr std::string_view kAddReserves = "Add_Reserves";
inline constexpr std::string_view kSelectedDest = "Selezionate_Dest";
inline constexpr std::string_view kSelectedFila = "Selezionate_Fila";
inline constexpr std::string_view kMazzoVis = "Mazzo_Vis";
inline constexpr std::string_view kMazzoWaste = "Mazzo_Waste";
inline constexpr std::string_view kStockToPileMonteCarlo = "Stock_To_Pile_Monte_Carlo";
}  // namespace move_command

}  // namespace quilloro
