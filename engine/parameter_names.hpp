// Short names, defaults and descriptions of the game parameters, for readable game sources.
#pragma once

#include <span>
#include <string_view>

#include "engine/game_parameters.hpp"

namespace quilloro {

// A run of consecutive parameter indices that share one meaning (one per pile),
// or a single index when first == last.
struct ParameterRun {
  int first;
  int last;
  std::string_view name;
  ParameterValue defaultValue;
  std::string_view description;
};

// Every index 0..325 lies in at least one run; index 220 lies in two (the last
// tableau pile's row deal and the first reserve's type share it).
std::span<const ParameterRun> parameterRuns();

// The run called name that covers first..last, or nullptr.
const ParameterRun* findParameterRun(std::string_view name, int first, int last);

// The run that names index in decoded sources (the first run covering it).
const ParameterRun& parameterRunOf(int index);

}  // namespace quilloro
