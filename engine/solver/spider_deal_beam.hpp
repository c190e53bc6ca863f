// A search of the Spider family that plays one stock deal at a time, as a
// strong player does: from each of a few positions it seeks the best ones
// reachable without dealing, deals from the most promising of them (no two
// with the same cards still face down) and goes on from there until the
// stock is out and the tableau clears. It leaves moves and positions out, so
// it only ever finds wins; it never proves a deal lost.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/solver/position_table.hpp"
#include "engine/solver/search_clock.hpp"
#include "engine/solver/spider_position.hpp"
#include "engine/solver/spider_stranded.hpp"
#include "engine/solver/queued_node.hpp"

namespace quilloro::solver {

class SpiderDealBeam {
 public:
  // The position is played on and left as the start says; expanded counts
  // every position the beam expands.
  SpiderDealBeam(SpiderPosition& position, SearchClock& clock, std::size_t memoryBytes, std::int64_t& expanded)
      : position_(position),
        clock_(clock),
        memoryBytes_(memoryBytes),
        expanded_(expanded),
        provesStranded_(asksForStrandedCards(position.rules())) {}

  // Searches from the encoded start, reached by startPath, expanding at most
  // nodes positions and dealing from width positions at each deal, with the
  // given moves; true with the whole winning path in path when it wins.
  bool run(const std::vector<std::uint8_t>& start, const std::vector<SolverMove>& startPath, std::int64_t nodes,
           std::vector<SolverMove>& path, std::size_t width, SpiderMoveSet moveSet);

 private:
  // A position the beam deals from next: its encoding and how it was reached.
  struct Candidate {
    int score = 0;
    std::vector<std::uint8_t> encoding;
    std::vector<SolverMove> path;
    // The cards still face down on each pile, which tells candidates apart.
    std::vector<std::uint8_t> signature;
  };
  struct Node {
    std::uint32_t parent;
    std::uint32_t depth;
    SpiderMove move;
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
  };
  using Queued = QueuedNode;

  // Best first from the candidate without dealing; every position from which
  // the next deal may be made joins the pool. True when it wins.
  bool searchPhase(const Candidate& from, std::int64_t nodes, std::vector<Candidate>& pool, std::vector<SolverMove>& path);
  int score() const;
  std::vector<std::uint8_t> signature() const;
  // The moves from the phase's start to the node, after the start's path.
  std::vector<SolverMove> pathTo(const Candidate& from, std::uint32_t node);
  bool spent(std::int64_t lastNode);

  SpiderPosition& position_;
  SearchClock& clock_;
  std::size_t memoryBytes_;
  std::int64_t& expanded_;
  // Positions with a card that never leaves its place are left out.
  const bool provesStranded_;
  std::vector<Node> nodes_;
  std::vector<std::uint8_t> encodings_;
  std::vector<Queued> queue_;
  std::vector<SpiderMove> scratch_;
  std::vector<SolverMove> steps_;
  // The positions dealt from at each deal, and the moves played, of this run.
  std::size_t width_ = 1;
  SpiderMoveSet moveSet_ = SpiderMoveSet::Promising;
};

}  // namespace quilloro::solver
