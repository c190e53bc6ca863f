// The table of parameter names: the one place where an index gets a readable name.
#include "engine/parameter_names.hpp"

#include <array>
#include <stdexcept>

namespace quilloro {
namespace {

constexpr std::array kRuns = {
    ParameterRun{0, 0, "spare", 0, "not read"},
    ParameterRun{1, 1, "base_from_foundation_card", 0,
                 "1 = deal one card face up to foundation 1; its rank becomes every foundation's base rank"},
    ParameterRun{2, 2, "multi_card_move_rule", 1,
                 "runs moved at once: 1 = follow the pile's build rule, 10 = one suit, other = any face-up run"},
    ParameterRun{3, 3, "tableau_fan", 1,
                 "0 squared, 1 down, 2 right, 3 squared (click takes top), 4 side by side with holes, 5 small step, 6 right"},
    ParameterRun{4, 4, "foundation_fan", 0, "fan of foundations, codes as tableau_fan"},
    ParameterRun{5, 5, "reserve_fan", 0, "fan of reserves, codes as tableau_fan"},
    ParameterRun{6, 6, "stock_face_down", 1, "0 = stock cards lie face up (also on a redeal)"},
    ParameterRun{7, 7, "show_stock", 0, "1 = the game shows a stock pile"},
    ParameterRun{8, 8, "show_waste", 0, "1 = the game shows a waste pile; stock clicks turn cards onto it"},
    ParameterRun{9, 9, "spare", 0, "not read"},
    ParameterRun{10, 10, "deal_card_to_foundation1", 0, "1 = deal one card face up to foundation 1"},
    ParameterRun{11, 11, "max_cards_moved", -1,
                 "-1 no limit, n >= 0 that many, -5 free cells rule, other negative = free tableau piles"},
    ParameterRun{12, 12, "reserve_fanned_stacks", 0, "-11 = any card of a reserve can be taken"},
    ParameterRun{13, 13, "stock_passes", 1, "-1 unlimited, else redeals while the redeal count is below it"},
    ParameterRun{14, 14, "redeal_reshuffles", 0, "1 = a redeal gathers and reshuffles the cards"},
    ParameterRun{15, 15, "foundation_take_back", 0, "1 = allowed, 2 = unless it is the only card, other = no"},
    ParameterRun{16, 16, "autoplay_available", 1, "0 = autoplay is unavailable"},
    ParameterRun{17, 17, "cards_per_click", 1, "cards turned from the stock per click"},
    ParameterRun{18, 18, "auto_fill_tableau", 0, "1 = from reserve 1, 2 = from the waste or stock, 0 = none"},
    ParameterRun{19, 19, "tableau_walk_order", 0, "non-zero = pile by pile, 0 = row by row"},
    ParameterRun{20, 20, "spare", 0, "not read"},
    ParameterRun{21, 21, "reorder_foundations", 0, "1 = reorder the foundations after a foundation move"},
    ParameterRun{22, 23, "spare", 0, "not read"},
    ParameterRun{24, 24, "needs_wide_screen", 0, "1 = small cards below 650 pixels of screen width"},
    ParameterRun{25, 25, "select_by_click", 0, "non-zero = cards are selected by clicks"},
    ParameterRun{26, 26, "game_family", 0,
                 "0 ordinary; 2, 12, 15 to the discard pile; 3, 4 selection; 7, 8 pairs; 9 poker; 10 own score; 11 aces"},
    ParameterRun{27, 42, "foundation_base_rank", 1, "per foundation: 1-13, -1 any, or letter code 81-85, 92"},
    ParameterRun{43, 58, "foundation_direction", 1, "per foundation: > 0 upward, otherwise downward"},
    ParameterRun{59, 74, "foundation_build_type", 0, "per foundation: build type"},
    ParameterRun{75, 90, "foundation_deal_card", 0, "per foundation: card dealt at the start (0, 91, 92, 93, 100+c, v)"},
    ParameterRun{91, 116, "tableau_base_rank", -1, "per tableau pile: rank for an empty pile, 0 none, -1 any, 91 below base"},
    ParameterRun{117, 142, "tableau_direction", 0, "per tableau pile: > 0 upward, otherwise downward"},
    ParameterRun{143, 168, "tableau_build_type", 3, "per tableau pile: build type"},
    ParameterRun{169, 194, "tableau_pass_base", 0, "per tableau pile: > 0 = building may pass the base rank"},
    ParameterRun{195, 220, "tableau_row_deal", 0, "per tableau pile: 1 = gets a card of a dealt row, 2 = only with no gap"},
    ParameterRun{220, 227, "reserve_type", 0, "per reserve: 4 none, 8 kings, 13 up to 5 cards, 9 courts, other single card"},
    ParameterRun{228, 235, "reserve_row_deal", 0, "per reserve: 1 or 2 = gets a card of a row dealt to the reserves"},
    ParameterRun{236, 236, "discard_deal_card", 0, "card dealt face up to the discard pile: 0 none, c, or 100 + c"},
    ParameterRun{237, 237, "waste_takes_neighbours", 0, "2 = same suit one rank away may go onto the waste"},
    ParameterRun{238, 238, "waste_never_target", 0, "4 = the waste never takes played cards"},
    ParameterRun{239, 239, "stock_arrangement", 0, "arrangement number of the stock group"},
    ParameterRun{240, 240, "stock_row", 0, "row digit of the stock group"},
    ParameterRun{241, 241, "foundation_arrangement", 0, "arrangement number of the foundations"},
    ParameterRun{242, 242, "foundation_row", 0, "row digit of the foundations"},
    ParameterRun{243, 243, "tableau_arrangement", 0, "arrangement number of the tableau piles"},
    ParameterRun{244, 244, "tableau_row", 0, "row digit of the tableau piles"},
    ParameterRun{245, 245, "tableau_rows", 0, "number of tableau rows of the grid arrangements"},
    ParameterRun{246, 246, "reserve_arrangement", 0, "arrangement number of the reserves"},
    ParameterRun{247, 247, "reserve_row", 0, "row digit of the reserves"},
    ParameterRun{248, 248, "discard_arrangement", 0, "arrangement number of the discard pile"},
    ParameterRun{249, 249, "discard_row", 0, "row digit of the discard pile"},
    ParameterRun{250, 250, "stock_group_piles", 0, "number of stock-group piles to place"},
    ParameterRun{251, 251, "foundations", 0, "number of foundations (at most 16)"},
    ParameterRun{252, 252, "tableau_piles", 0, "number of tableau piles (at most 26)"},
    ParameterRun{253, 253, "reserves", 0, "number of reserves (at most 8)"},
    ParameterRun{254, 254, "has_discard_pile", 0, "> 0 = the game has a discard pile"},
    ParameterRun{255, 255, "cards", 52, "cards in play, 52 or 104"},
    ParameterRun{256, 256, "deal_stock", 0, "cards dealt to the stock"},
    ParameterRun{257, 257, "deal_waste", 0, "cards dealt face up to the waste"},
    ParameterRun{258, 283, "deal_tableau", 0, "per tableau pile: cards dealt to it"},
    ParameterRun{284, 309, "deal_tableau_face_up", 1, "per tableau pile: top cards face up, -1 alternately"},
    ParameterRun{310, 310, "deal_discard", 0, "cards dealt face up to the discard pile"},
    ParameterRun{311, 318, "deal_reserve", 0, "per reserve: cards dealt face up to it"},
    ParameterRun{319, 319, "game_length", 1, "0 long, 1 medium, 2 quick"},
    ParameterRun{320, 320, "difficulty", 1, "0 easy, 1 medium, 2 hard"},
    ParameterRun{321, 321, "chance_of_winning", 2, "0 very high, 1 high, 2 medium, 3 low, 4 very low"},
    ParameterRun{322, 322, "odds_wins", 0, "measured wins, shown as about odds_wins in odds_deals"},
    ParameterRun{323, 323, "odds_deals", 0, "measured deals; 0 = no measured odds shown"},
    ParameterRun{324, 325, "spare", 0, "not read"},
};

}  // namespace

std::span<const ParameterRun> parameterRuns() { return kRuns; }

const ParameterRun* findParameterRun(std::string_view name, int first, int last) {
  for (const ParameterRun& run : kRuns) {
    if (run.name == name && run.first <= first && last <= run.last && first <= last) return &run;
  }
  return nullptr;
}

const ParameterRun& parameterRunOf(int index) {
  for (const ParameterRun& run : kRuns) {
    if (run.first <= index && index <= run.last) return run;
  }
  throw std::out_of_range("parameter index outside 0..325");
}

}  // namespace quilloro
