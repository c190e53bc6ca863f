// The Spider family's search one stock deal at a time: a beam of a few
// positions per deal, each grown by a short best-first search without
// dealing.
#include "engine/solver/spider_deal_beam.hpp"

#include <algorithm>
#include <map>

namespace quilloro::solver {

namespace {

constexpr std::uint32_t kNoParent = 0xFFFFFFFF;
constexpr std::int64_t kClockInterval = 256;

}  // namespace

bool SpiderDealBeam::run(const std::vector<std::uint8_t>& start, const std::vector<SolverMove>& startPath,
                         std::int64_t nodes, std::vector<SolverMove>& path, std::size_t width, SpiderMoveSet moveSet) {
  width_ = width;
  moveSet_ = moveSet;
  const std::int64_t lastNode = expanded_ + nodes;
  position_.decode(start);
  const SpiderRules& rules = position_.rules();
  const int rowCards = std::max(1, rules.rowPileCount());
  const int deals = (position_.stockLeft() + rowCards - 1) / rowCards;
  std::vector<Candidate> beam{{score(), start, startPath, signature()}};
  for (int level = 0; level <= deals && !beam.empty(); ++level) {
    std::vector<Candidate> pool;
    for (std::size_t i = 0; i < beam.size(); ++i) {
      if (expanded_ >= lastNode || clock_.cut()) return false;
      // What is left is shared evenly among the searches still to come.
      const auto phasesLeft =
          static_cast<std::int64_t>((deals - level) * static_cast<int>(width_) + static_cast<int>(beam.size() - i));
      const std::int64_t share = std::max<std::int64_t>(1, (lastNode - expanded_) / phasesLeft);
      if (searchPhase(beam[i], share, pool, path)) return true;
    }
    if (level == deals) break;
    // The best of each uncovered set, best first; among equals the order found.
    std::stable_sort(pool.begin(), pool.end(), [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
    std::vector<Candidate> next;
    std::vector<std::vector<std::uint8_t>> taken;
    for (Candidate& candidate : pool) {
      if (next.size() == width_) break;
      if (std::find(taken.begin(), taken.end(), candidate.signature) != taken.end()) continue;
      taken.push_back(candidate.signature);
      position_.decode(candidate.encoding);
      position_.play({SpiderMove::Kind::Deal, 0, 0, 0, 0}, candidate.path);
      if (position_.won()) {
        path = std::move(candidate.path);
        return true;
      }
      candidate.encoding.clear();
      position_.encode(candidate.encoding);
      candidate.score = score();
      candidate.signature = signature();
      next.push_back(std::move(candidate));
    }
    beam = std::move(next);
  }
  return false;
}

bool SpiderDealBeam::searchPhase(const Candidate& from, std::int64_t nodes, std::vector<Candidate>& pool,
                                 std::vector<SolverMove>& path) {
  const std::int64_t lastNode = expanded_ + nodes;
  position_.decode(from.encoding);
  PositionTable seen(memoryBytes_);
  seen.insert(position_.key());
  nodes_.clear();
  queue_.clear();
  encodings_ = from.encoding;
  nodes_.push_back({kNoParent, 0, {}, 0, static_cast<std::uint32_t>(from.encoding.size())});
  queue_.push_back({score(), 0});
  // The best position of each uncovered set from which the next deal may be made.
  std::map<std::vector<std::uint8_t>, std::pair<int, std::uint32_t>> best;
  auto load = [&](std::uint32_t node) {
    position_.decode(std::span<const std::uint8_t>(encodings_).subspan(nodes_[node].offset, nodes_[node].length));
  };
  auto memoryUsed = [&] {
    return seen.bytes() + nodes_.capacity() * sizeof(Node) + encodings_.capacity() + queue_.capacity() * sizeof(Queued);
  };
  while (!queue_.empty() && !spent(lastNode) && memoryUsed() < memoryBytes_) {
    std::pop_heap(queue_.begin(), queue_.end());
    const std::uint32_t current = queue_.back().node;
    queue_.pop_back();
    if (current != 0) {
      load(nodes_[current].parent);
      steps_.clear();
      position_.play(nodes_[current].move, steps_);
      // Positions enter the table when expanded, which keeps it small.
      if (seen.insert(position_.key()) != PositionTable::Insert::New) continue;
    }
    ++expanded_;
    // A position no play wins from neither grows nor deals.
    if (provesStranded_ && someCardStranded(position_)) continue;
    if (current != 0) {
      nodes_[current].offset = static_cast<std::uint32_t>(encodings_.size());
      position_.encode(encodings_);
      nodes_[current].length = static_cast<std::uint32_t>(encodings_.size() - nodes_[current].offset);
    }
    if (position_.mayDeal()) {
      const int value = score();
      auto [at, added] = best.try_emplace(signature(), value, current);
      if (!added && value > at->second.first) at->second = {value, current};
    }
    position_.moves(scratch_, moveSet_);
    const std::uint32_t depth = nodes_[current].depth + 1;
    for (const SpiderMove& move : scratch_) {
      if (move.kind == SpiderMove::Kind::Deal) continue;
      const std::size_t mark = position_.undoMark();
      steps_.clear();
      position_.play(move, steps_);
      if (position_.won()) {
        nodes_.push_back({current, depth, move, 0, 0});
        path = pathTo(from, static_cast<std::uint32_t>(nodes_.size() - 1));
        return true;
      }
      if (!seen.contains(position_.key()) && !position_.deadlocked()) {
        nodes_.push_back({current, depth, move, 0, 0});
        // A little for every step keeps the lines short among equals.
        queue_.push_back({score() - 2 * static_cast<int>(depth), static_cast<std::uint32_t>(nodes_.size() - 1)});
        std::push_heap(queue_.begin(), queue_.end());
      }
      position_.undoTo(mark);
    }
  }
  // The phase's best few join the pool for the next deal.
  std::vector<std::pair<int, std::uint32_t>> ranked;
  for (const auto& entry : best) ranked.push_back(entry.second);
  std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  if (ranked.size() > width_) ranked.resize(width_);
  for (const auto& [value, node] : ranked) {
    Candidate candidate;
    candidate.score = value;
    candidate.path = pathTo(from, node);
    position_.encode(candidate.encoding);
    candidate.signature = signature();
    pool.push_back(std::move(candidate));
  }
  // The next phase reuses the memory, which spares it the page faults.
  nodes_.clear();
  encodings_.clear();
  queue_.clear();
  return false;
}

int SpiderDealBeam::score() const {
  // Runs home above all, then cards turned, runs on the way home, gaps.
  return 1000 * position_.runsHome() - 30 * position_.facedownTotal() + 60 * position_.links() +
         10 * position_.naturalLinks() + 100 * position_.emptyPiles();
}

std::vector<std::uint8_t> SpiderDealBeam::signature() const {
  std::vector<std::uint8_t> faceDown;
  faceDown.push_back(static_cast<std::uint8_t>(position_.runsHome()));
  for (int pile = 0; pile < position_.rules().tableauCount(); ++pile)
    faceDown.push_back(static_cast<std::uint8_t>(position_.faceDown(pile)));
  return faceDown;
}

std::vector<SolverMove> SpiderDealBeam::pathTo(const Candidate& from, std::uint32_t node) {
  std::vector<SpiderMove> chain;
  for (std::uint32_t at = node; nodes_[at].parent != kNoParent; at = nodes_[at].parent) chain.push_back(nodes_[at].move);
  position_.decode(from.encoding);
  std::vector<SolverMove> path = from.path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) position_.play(*it, path);
  return path;
}

bool SpiderDealBeam::spent(std::int64_t lastNode) {
  if (expanded_ >= lastNode) return true;
  if (expanded_ % kClockInterval != 0) return clock_.cut();
  return clock_.cutShort();
}

}  // namespace quilloro::solver
