// A search of the games with a stock of a set number of passes that deals a
// row onto the tableau (Gypsy, Miss Milligan) or turns one card at a time
// onto the waste (Forty Thieves, Busy Aces, Diplomat, Gargantua; with one
// pack, Thumb and Pouch, Westcliff and Duchess, beside searches of their
// own), played one stage of the stock at a time as a strong player does: from
// each of a few positions it seeks the best ones reachable without touching
// the stock, deals or turns from the most promising of them, and goes on from
// there until the stock is out and the tableau clears. With two packs a card
// comes back from the foundations together with the move onto it (see
// beam_take_backs), and where they turn onto a waste a wide beam runs beside
// the narrow one. It leaves positions out, so it only ever finds wins; it
// never proves a deal lost.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/solver/fast_position.hpp"
#include "engine/solver/paired_moves.hpp"
#include "engine/solver/safe_plays.hpp"
#include "engine/solver/search_clock.hpp"
#include "engine/solver/queued_node.hpp"

namespace quilloro::solver {

// Whether the beam serves the rules: two packs or more, and a stock of a set
// number of passes that deals rows onto the tableau or turns one card a click.
bool beamsThroughStock(const FastRules& rules);

class StockBeam {
 public:
  // width: the positions carried from one stage to the next.
  StockBeam(const FastRules& rules, const SolverStart& start, SearchClock& clock, std::size_t memoryBytes,
            std::size_t width);

  // Searches, expanding at most nodes positions; the winning steps from the
  // start, or nothing.
  std::optional<std::vector<FastStep>> run(std::int64_t nodes);
  std::int64_t expanded() const { return expanded_; }
  // Whether the last run stopped a search short of its positions (on the
  // node budget, the memory or the clock): only then may more positions win.
  bool cut() const { return cut_; }
  std::vector<SolverMove> asMoves(const std::vector<FastStep>& steps) const;
  // Whether a card turned that can go nowhere is turned past at once, with
  // no stage of its own.
  void turnPastIdle(bool on) { turnsPastIdle_ = on; }
  // Whether each stage's share of the positions counts the cards still in
  // the candidate's stock, rather than one stage a card from the start.
  void shareByStockLeft(bool on) { sharesByStockLeft_ = on; }
  // Where the stock deals rows: whether candidates are told apart by the
  // top card of each pile too, beside the cards home and face down.
  void tellByTops(bool on) { tellsByTops_ = on; }

 private:
  // A position the beam deals from next: its encoding and the steps from the start.
  struct Candidate {
    int score = 0;
    std::vector<std::uint8_t> encoding;
    std::vector<FastStep> path;
    // What tells candidates apart: cards home of each suit, cards face down,
    // where the stock turns onto a waste, the waste's cards and the spaces,
    // and where it deals rows, if asked, the piles' top cards.
    std::vector<std::uint8_t> signature;
    // The rows or cards the stock has still to give from the candidate.
    int stagesLeft = 0;
  };
  struct Node {
    std::uint32_t parent;
    std::uint32_t firstStep;
    std::uint32_t stepCount;
    std::uint32_t depth;
    std::size_t offset;
  };
  using Queued = QueuedNode;

  // A best-first search from the candidate without dealing, at most nodes
  // positions; true with the winning steps in won. Its best positions join pool.
  bool searchPhase(const Candidate& from, std::int64_t nodes, std::vector<Candidate>& pool,
                   std::vector<FastStep>& won);
  // Deals the next row, or turns the next card of the stock, and plays the
  // safe steps that follow; false when the stock gives nothing more.
  bool advance(std::vector<FastStep>& path);
  // The rows or cards the stock has still to give, for sharing the budget.
  int stagesLeft() const;
  // Whether the waste's top card has no move: not home, onto a pile nor into a space.
  bool wasteTopIdle();
  void moveTo(std::uint32_t node);
  std::uint32_t addNode(std::uint32_t parent, std::uint32_t depth);
  std::vector<FastStep> pathTo(const Candidate& from, std::uint32_t node) const;
  std::vector<std::uint8_t> signature() const;
  std::size_t memoryUsed(std::size_t tableBytes) const;
  bool spent(std::int64_t lastNode);

  FastPosition position_;
  SafePlays safe_{position_};
  SearchClock& clock_;
  std::size_t memoryBytes_;
  std::size_t width_;
  std::int64_t expanded_ = 0;
  std::vector<FastStep> steps_;
  std::vector<FastStep> moves_;
  std::vector<FastStep> onto_;
  std::vector<PairedStep> choices_;
  std::vector<Node> nodes_;
  std::vector<FastStep> stepArena_;
  std::vector<std::uint8_t> encodings_;
  std::vector<Queued> queue_;
  std::uint32_t onTable_ = 0;
  bool cut_ = false;
  bool turnsPastIdle_ = false;
  bool sharesByStockLeft_ = false;
  bool tellsByTops_ = false;
};

// Runs the beam on the start with the budget's positions; a won result, or
// Unknown with the positions spent.
SolveResult solveStockByStage(const FastRules& rules, const SolverStart& start, const Budget& budget,
                          const std::atomic<bool>* stop);

}  // namespace quilloro::solver
