// The search for the games that remove pairs of cards from a row of single
// cards refilled from the stock (Nine Pairs, Matchmaker, Thirteens): depth
// first over the ranks on the table and the stock's place.
#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Solves the start when its game kind removes pairs of equal ranks, or cards
// adding up to the target, from single cards filled from the stock, and
// nothing is chosen yet; nothing otherwise. Won answers moves that replay
// through the engine; Lost means every position reachable was seen.
std::optional<SolveResult> pairRemovalSolve(const SolverStart& start, const Budget& budget,
                                            const std::atomic<bool>* stop);

// Every group of cards the search may remove in the start position, as the
// cards clicked; nothing when the game kind is not one it plays. For checking
// its rules against the engine's. Cards of one rank count as one: a group
// lists the first cards of its ranks on the table.
std::optional<std::vector<std::vector<CardNumber>>> pairRemovalGroups(const SolverStart& start);

}  // namespace quilloro::solver
