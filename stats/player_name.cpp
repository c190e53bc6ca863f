// Which player names the result files can store.
#include "stats/player_name.hpp"

#include "app/core/player_name_check.hpp"

namespace quilloro::stats {

// The preferences hold the same names as the result files: one rule for both.
std::string playerNameFault(std::string_view name) { return storablePlayerNameFault(name); }

}  // namespace quilloro::stats
