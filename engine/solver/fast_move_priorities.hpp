// How promising each kind of move of the fast position looks: the searches
// try the highest first.
#pragma once

#include <cstdint>

namespace quilloro::solver::move_priority {

inline constexpr std::int16_t kToFoundation = 1000;
inline constexpr std::int16_t kReserveToPile = 600;
inline constexpr std::int16_t kOntoPile = 500;
inline constexpr std::int16_t kReserveToEmpty = 200;
inline constexpr std::int16_t kToEmpty = 100;
inline constexpr std::int16_t kToReserve = 50;
inline constexpr std::int16_t kShowsFaceDown = 300;
inline constexpr std::int16_t kEmptiesPile = 150;
inline constexpr std::int16_t kTakeBack = -100;
// A row dealt from the stock buries a card on every pile: the last resort.
inline constexpr std::int16_t kDealRow = -200;

}  // namespace quilloro::solver::move_priority
