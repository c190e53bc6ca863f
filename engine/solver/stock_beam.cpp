// The two-pack stock games' search one row or card of the stock at a time: a
// beam of a few positions per stage, each grown by a short best-first search
// that leaves the stock alone.
#include "engine/solver/stock_beam.hpp"

#include <algorithm>
#include <map>

#include "engine/solver/beam_take_backs.hpp"
#include "engine/solver/stock_score.hpp"
#include "engine/solver/stranded_piles.hpp"

namespace quilloro::solver {

namespace {

// Positions carried to each stage. Several different positions win more
// deals than one greedy line (a row dealt buries a card on every pile, a card
// turned buries the waste's), and measured on Gypsy no more than a wide beam.
constexpr std::size_t kBeamWidth = 6;
// Where two packs turn onto a waste, which cards each stage leaves on it
// shape all that follows: a wide beam of short stage searches wins there many
// deals the narrow one misses, and misses some it wins (of 13 Gargantua deals
// the narrow beam left open at 300,000 positions, the wide one won 9; of 6
// Busy Aces deals it left open at 3,000,000, the two together won 3 at
// 1,000,000), so each round runs both.
constexpr std::size_t kWideBeamWidth = 24;
// Where the stock holds more than three quarters of the cards, nearly every
// card comes through the waste, and which of them each stage leaves there
// decides the deal more than how far each stage's search looks: of 21 Busy
// Aces deals the wide beam had not won in 2 seconds, a beam of 64 won 7 at
// 1,000,000 positions (one of 128 none more), though it misses some that
// the beam of 24 wins: over deals 1001-1200 it wins 183 where that won 182.
constexpr std::size_t kWiderBeamWidth = 64;
// There, too, most cards turned can go nowhere, neither home nor onto a pile
// nor into a space, and a stage from such a card spends its share of the
// positions on the moves the stage before searched: the beam turns on past
// them at once. Of 15 Busy Aces deals the beam left open at 2,000,000
// positions, that won 7 within the same budget, and lost 3 it had won (the
// beams that turn past them and those that stop at every card, run side by
// side, or the narrow one alone stopping, won fewer in all).
// A beam that turns past such cards counts, for each stage's share of the
// positions, one stage a card from the start, though it turns several cards
// a stage: its early stages get far less than their share and its runs
// spend less than half their positions. Shared by the cards left in each
// candidate's stock, the narrow beam spends them whole and wins within a few
// hundred thousand positions deals the others never win (3 of Busy Aces
// deals 1001-1200), and misses others they win: it runs first, on its own,
// in rounds of up to so many positions, and then the others run as before.
constexpr std::int64_t kStockLeftLastRound = 128'000;
// Where the stock deals rows, the beam that tells its candidates apart by
// the piles' top cards too keeps so many: of Gypsy deals 1001-1200 at
// 1,500,000 positions, beside the narrow beam, one of 6 won 150, of 16 about
// 153, of 32 won 160, of 64 won 169 and of 128 won 162.
constexpr std::size_t kTopsBeamWidth = 64;
// About the most new positions a position expanded adds, for sizing the
// table of a stage's search.
constexpr std::size_t kKeysPerPosition = 16;
constexpr std::uint32_t kNoParent = 0xFFFFFFFF;
constexpr std::int64_t kClockInterval = 256;
// The positions of the beam's first run; each run after has twice as many.
constexpr std::int64_t kFirstRoundNodes = 4'000;

}  // namespace

bool beamsThroughStock(const FastRules& rules) {
  if (!rules.hasStock() || rules.packs() < 2 || rules.dealsToReserves() || rules.passes() < 0) return false;
  return rules.dealsRows() || rules.cardsPerClick() == 1;
}

StockBeam::StockBeam(const FastRules& rules, const SolverStart& start, SearchClock& clock, std::size_t memoryBytes,
                     std::size_t width)
    : position_(rules, start.state, start.redealCount), clock_(clock), memoryBytes_(memoryBytes), width_(width) {}

std::optional<std::vector<FastStep>> StockBeam::run(std::int64_t nodes) {
  const std::int64_t lastNode = expanded_ + nodes;
  Candidate root;
  safe_.forcedSteps(root.path);
  if (position_.cardsLeft() == 0) return root.path;
  root.score = stockScore(position_);
  position_.encode(root.encoding);
  root.signature = signature();
  root.stagesLeft = stagesLeft();
  const int deals = stagesLeft();
  std::vector<Candidate> beam;
  beam.push_back(std::move(root));
  std::vector<FastStep> won;
  for (int level = 0; !beam.empty(); ++level) {
    std::vector<Candidate> pool;
    for (std::size_t i = 0; i < beam.size(); ++i) {
      if (expanded_ >= lastNode || clock_.cut()) {
        cut_ = true;
        return std::nullopt;
      }
      // What is left is shared evenly among the searches still to come.
      const int stagesAhead = sharesByStockLeft_ ? beam[i].stagesLeft : std::max(0, deals - level);
      const auto phasesLeft = static_cast<std::int64_t>(stagesAhead * static_cast<int>(width_) +
                                                        static_cast<int>(beam.size() - i));
      const std::int64_t share = std::max<std::int64_t>(1, (lastNode - expanded_) / phasesLeft);
      if (searchPhase(beam[i], share, pool, won)) return won;
    }
    // The best of each signature, best first; among equals the order found.
    std::stable_sort(pool.begin(), pool.end(), [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
    std::vector<Candidate> next;
    std::vector<std::vector<std::uint8_t>> taken;
    for (Candidate& candidate : pool) {
      if (next.size() == width_) break;
      if (std::find(taken.begin(), taken.end(), candidate.signature) != taken.end()) continue;
      taken.push_back(candidate.signature);
      position_.decode(candidate.encoding);
      if (!advance(candidate.path)) continue;
      if (position_.cardsLeft() == 0) return candidate.path;
      candidate.encoding.clear();
      position_.encode(candidate.encoding);
      candidate.score = stockScore(position_);
      candidate.signature = signature();
      candidate.stagesLeft = stagesLeft();
      next.push_back(std::move(candidate));
    }
    beam = std::move(next);
  }
  return std::nullopt;
}

bool StockBeam::searchPhase(const Candidate& from, std::int64_t nodes, std::vector<Candidate>& pool,
                              std::vector<FastStep>& won) {
  const std::int64_t lastNode = expanded_ + nodes;
  position_.decode(from.encoding);
  // The early rounds share a few thousand positions among hundreds of
  // stages: a table sized to the phase spares setting up a large one each time.
  PositionTable seen(memoryBytes_, static_cast<std::size_t>(nodes) * kKeysPerPosition);
  seen.insert(position_.key());
  nodes_.clear();
  stepArena_.clear();
  encodings_.clear();
  queue_.clear();
  steps_.clear();
  onTable_ = addNode(kNoParent, 0);
  queue_.push_back({stockScore(position_), 0});
  const bool strands = strandsNothingOfUse(position_.rules());
  const bool pairsTakeBacks = beamTakesBack(position_.rules());
  // The best position of each signature, from which the next row may be dealt.
  std::map<std::vector<std::uint8_t>, std::pair<int, std::uint32_t>> best;
  bool full = false;
  while (!queue_.empty() && !full && !spent(lastNode) && memoryUsed(seen.bytes()) < memoryBytes_) {
    std::pop_heap(queue_.begin(), queue_.end());
    const std::uint32_t current = queue_.back().node;
    // The position's score, less the steps that were counted against it.
    const int value = queue_.back().priority + static_cast<int>(nodes_[current].depth);
    queue_.pop_back();
    ++expanded_;
    moveTo(current);
    auto [at, added] = best.try_emplace(signature(), value, current);
    if (!added && value > at->second.first) at->second = {value, current};
    position_.moves(moves_, true);
    if (!position_.rules().dealsRows()) position_.wasteTopMoves(moves_);
    // Cards taken back from the foundations seldom serve a win, and the
    // beam only looks for wins: with two packs, a card comes back only with
    // the move that puts a card on it (see beam_take_backs).
    choices_.clear();
    for (const FastStep& step : moves_) {
      if (takesBackHome(position_, step)) {
        if (!pairsTakeBacks) continue;
        movesOntoTakenBack(position_, step, onto_);
        for (const FastStep& next : onto_) choices_.push_back({step, next, true});
      } else if (!(strands && strandsPile(position_, step))) {
        choices_.push_back({step, {}, false});
      }
    }
    const std::uint32_t depth = nodes_[current].depth + 1;
    for (const PairedStep& choice : choices_) {
      steps_.clear();
      if (choice.paired) {
        playBare(position_, choice.first, steps_);
        safe_.play(choice.second, steps_);
      } else {
        safe_.play(choice.first, steps_);
      }
      if (position_.cardsLeft() == 0) {
        won = pathTo(from, addNode(current, depth));
        return true;
      }
      const PositionTable::Insert insert = seen.insert(position_.key());
      if (insert == PositionTable::Insert::New) {
        const std::uint32_t child = addNode(current, depth);
        // A little for every step keeps the lines short among equals.
        queue_.push_back({stockScore(position_) - static_cast<int>(depth), child});
        std::push_heap(queue_.begin(), queue_.end());
      } else if (insert == PositionTable::Insert::Full) {
        full = true;
      }
      while (!steps_.empty()) {
        position_.undo(steps_.back());
        steps_.pop_back();
      }
      if (full) break;
    }
  }
  // A phase that stopped with positions still queued may have missed better ones.
  if (!queue_.empty()) cut_ = true;
  // The phase's best few join the pool for the next row.
  std::vector<std::pair<std::pair<int, std::uint32_t>, const std::vector<std::uint8_t>*>> ranked;
  for (const auto& [key, entry] : best) ranked.push_back({entry, &key});
  std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first.first > b.first.first; });
  if (ranked.size() > width_) ranked.resize(width_);
  for (const auto& [entry, key] : ranked) {
    Candidate candidate;
    candidate.score = entry.first;
    candidate.path = pathTo(from, entry.second);
    const std::size_t begin = nodes_[entry.second].offset;
    const std::size_t end = entry.second + 1 < nodes_.size() ? nodes_[entry.second + 1].offset : encodings_.size();
    candidate.encoding.assign(encodings_.begin() + static_cast<std::ptrdiff_t>(begin),
                              encodings_.begin() + static_cast<std::ptrdiff_t>(end));
    candidate.signature = *key;
    pool.push_back(std::move(candidate));
  }
  nodes_ = {};
  stepArena_ = {};
  encodings_ = {};
  queue_ = {};
  return false;
}

bool StockBeam::advance(std::vector<FastStep>& path) {
  if (position_.rules().dealsRows()) {
    moves_.clear();
    position_.stockMoves(moves_);
    if (moves_.empty()) return false;
    safe_.play(moves_.front(), path);
    return true;
  }
  if (!position_.click(path)) return false;
  safe_.forcedSteps(path);
  // A card turned that can go nowhere changes nothing the stage's search
  // could play: it would only search again the positions the last stage saw.
  while (turnsPastIdle_ && position_.size(position_.stockPile()) > 0 && wasteTopIdle()) {
    position_.click(path);
    safe_.forcedSteps(path);
  }
  return true;
}

bool StockBeam::wasteTopIdle() {
  moves_.clear();
  position_.wasteTopMoves(moves_);
  return moves_.empty();
}

int StockBeam::stagesLeft() const {
  const int stock = position_.size(position_.stockPile());
  if (position_.rules().dealsRows()) {
    const int rowCards = std::max(1, position_.rules().tableauCount());
    return (stock + rowCards - 1) / rowCards;
  }
  // Every click of every pass left, counted as if no card left the waste.
  const int redeals = std::max(0, position_.rules().passes() - position_.redeals());
  return stock + redeals * (stock + position_.size(position_.wastePile()));
}

std::uint32_t StockBeam::addNode(std::uint32_t parent, std::uint32_t depth) {
  const auto index = static_cast<std::uint32_t>(nodes_.size());
  nodes_.push_back({parent, static_cast<std::uint32_t>(stepArena_.size()), static_cast<std::uint32_t>(steps_.size()),
                    depth, encodings_.size()});
  stepArena_.insert(stepArena_.end(), steps_.begin(), steps_.end());
  position_.encode(encodings_);
  return index;
}

void StockBeam::moveTo(std::uint32_t target) {
  const Node& node = nodes_[target];
  if (node.parent == onTable_ && node.parent != kNoParent) {
    // The best position is most often a child of the one just expanded:
    // replaying its few steps costs less than laying out every card.
    for (std::uint32_t i = 0; i < node.stepCount; ++i) position_.apply(stepArena_[node.firstStep + i]);
  } else if (target != onTable_) {
    const std::size_t end = target + 1 < nodes_.size() ? nodes_[target + 1].offset : encodings_.size();
    position_.decode(std::span<const std::uint8_t>(encodings_).subspan(node.offset, end - node.offset));
  }
  onTable_ = target;
}

std::vector<FastStep> StockBeam::pathTo(const Candidate& from, std::uint32_t node) const {
  std::vector<const Node*> chain;
  for (std::uint32_t at = node; at != kNoParent; at = nodes_[at].parent) chain.push_back(&nodes_[at]);
  std::vector<FastStep> path = from.path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    path.insert(path.end(), stepArena_.begin() + (*it)->firstStep,
                stepArena_.begin() + (*it)->firstStep + (*it)->stepCount);
  return path;
}

std::vector<std::uint8_t> StockBeam::signature() const {
  const FastRules& rules = position_.rules();
  std::vector<std::uint8_t> result(4, 0);
  for (int f = 0; f < rules.foundationCount(); ++f) {
    const int pile = position_.foundationPile(f);
    if (position_.size(pile) > 0)
      result[static_cast<std::size_t>(rules.suit(position_.top(pile)))] += static_cast<std::uint8_t>(position_.size(pile));
  }
  for (int t = 0; t < rules.tableauCount(); ++t) result.push_back(static_cast<std::uint8_t>(position_.faceDown(t)));
  if (rules.dealsRows() && tellsByTops_) {
    // The card on top of each pile, which the next row covers: positions of
    // the same cards home and shown may bury quite different cards.
    for (int t = 0; t < rules.tableauCount(); ++t)
      result.push_back(static_cast<std::uint8_t>(position_.size(t) == 0 ? 0 : 1 + rules.face(position_.top(t))));
  }
  if (!rules.dealsRows()) {
    // Where the stock turns onto a waste, the cards left on the waste and
    // the spaces tell positions apart as much as the cards home.
    int spaces = 0;
    for (int t = 0; t < rules.tableauCount(); ++t) spaces += position_.size(t) == 0 ? 1 : 0;
    result.push_back(static_cast<std::uint8_t>(position_.size(position_.wastePile())));
    result.push_back(static_cast<std::uint8_t>(spaces));
  }
  return result;
}

std::size_t StockBeam::memoryUsed(std::size_t tableBytes) const {
  return tableBytes + encodings_.capacity() + nodes_.capacity() * sizeof(Node) +
         stepArena_.capacity() * sizeof(FastStep) + queue_.capacity() * sizeof(Queued);
}

bool StockBeam::spent(std::int64_t lastNode) {
  if (expanded_ >= lastNode) return true;
  if (expanded_ % kClockInterval != 0) return clock_.cut();
  return clock_.cutShort();
}

std::vector<SolverMove> StockBeam::asMoves(const std::vector<FastStep>& steps) const {
  // The position object only names the piles, which never change.
  std::vector<SolverMove> moves;
  for (const FastStep& step : steps)
    if (const auto move = position_.solverMove(step)) moves.push_back(*move);
  return moves;
}

SolveResult solveStockByStage(const FastRules& rules, const SolverStart& start, const Budget& budget,
                          const std::atomic<bool>* stop) {
  SearchClock clock(budget.milliseconds, stop);
  // Most deals are won by a narrow search of each stage: the beam runs again
  // with twice the positions until it wins or the budget is spent, which
  // costs at most twice the last run and wins easy deals in a few hundredths
  // of a second. The runs are the same whatever the budget, which only cuts
  // them short: a deal won on a budget is won on every larger one. Where
  // two packs turn onto a waste, each round runs a wide beam after the
  // narrow one on as many positions.
  std::optional<std::vector<FastStep>> line;
  std::vector<SolverMove> moves;
  // A run that saw every position of every stage it searched would run the
  // same way on more: then the beam has said all it can.
  std::int64_t expanded = 0;
  bool cut = true;
  // The beams each round runs, in turn: how many candidates each keeps, and
  // whether it tells them apart by the piles' top cards too.
  struct RoundBeam {
    std::size_t width;
    bool byTops;
  };
  std::vector<RoundBeam> beams{{kBeamWidth, false}};
  // Where the stock deals rows, a second beam runs beside the first that
  // tells its candidates apart by the piles' top cards too.
  if (rules.dealsRows()) beams.push_back({kTopsBeamWidth, true});
  bool turnsPastIdle = false;
  if (rules.packs() > 1 && !rules.dealsRows()) {
    const FastPosition dealt(rules, start.state, start.redealCount);
    const bool longStock = 4 * dealt.size(dealt.stockPile()) > 3 * rules.packs() * kCardsPerPack;
    beams.push_back({longStock ? kWiderBeamWidth : kWideBeamWidth, false});
    // Only where the stock passes once (see kWiderBeamWidth): in Gargantua,
    // whose stock comes round twice and whose spaces take kings alone, the
    // beams that turned past such cards won 172 deals of 1001-1200 at
    // 2,000,000 positions, where those that stop at every card win 189.
    turnsPastIdle = longStock && rules.passes() == 1;
  }
  if (turnsPastIdle) {
    for (std::int64_t round = kFirstRoundNodes; round <= kStockLeftLastRound && !line && !clock.cut(); round *= 2) {
      const std::int64_t nodes = std::min(round, budget.nodes - expanded);
      if (nodes <= 0) break;
      StockBeam beam(rules, start, clock, budget.memoryBytes, kBeamWidth);
      beam.turnPastIdle(true);
      beam.shareByStockLeft(true);
      line = beam.run(nodes);
      expanded += beam.expanded();
      if (line) moves = beam.asMoves(*line);
      // Having seen every position of every stage, more would change nothing.
      if (!beam.cut()) break;
    }
  }
  for (std::int64_t round = std::min(budget.nodes, kFirstRoundNodes); round > 0 && cut && !line && !clock.cut();) {
    cut = false;
    for (const RoundBeam& kind : beams) {
      const std::int64_t nodes = std::min(round, budget.nodes - expanded);
      if (nodes <= 0 || line || clock.cut()) break;
      StockBeam beam(rules, start, clock, budget.memoryBytes, kind.width);
      beam.turnPastIdle(turnsPastIdle);
      beam.tellByTops(kind.byTops);
      line = beam.run(nodes);
      expanded += beam.expanded();
      cut = cut || beam.cut();
      if (line) moves = beam.asMoves(*line);
    }
    round = std::min(2 * round, budget.nodes - expanded);
  }
  SolveResult result;
  result.verdict = line ? Verdict::Won : Verdict::Unknown;
  result.moves = std::move(moves);
  result.nodes = expanded;
  clock.report(result);
  return result;
}

}  // namespace quilloro::solver
