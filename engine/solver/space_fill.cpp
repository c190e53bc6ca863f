// Filling spaces the way the engine's automatic filling does.
#include "engine/solver/space_fill.hpp"

namespace quilloro::solver {

int spaceFillSource(const FastPosition& position) {
  const FastRules& rules = position.rules();
  switch (rules.spaceFiller()) {
    case FastRules::SpaceFiller::None: return -1;
    case FastRules::SpaceFiller::Reserve: {
      const int reserve = position.reservePile(0);
      return position.size(reserve) > 0 ? reserve : -1;
    }
  }
  return -1;
}

void fillSpaces(FastPosition& position, std::vector<FastStep>& steps) {
  if (position.rules().spaceFiller() == FastRules::SpaceFiller::None) return;
  for (int t = 0; t < position.rules().tableauCount(); ++t) {
    if (position.size(t) != 0) continue;
    const int source = spaceFillSource(position);
    if (source < 0) return;
    const FastStep fill{FastStep::Kind::Fill, static_cast<std::uint8_t>(source), static_cast<std::uint8_t>(t), 1,
                        position.top(source), 0, 0};
    position.apply(fill);
    steps.push_back(fill);
  }
}

bool emptyingFills(const FastPosition& position, int pile) {
  return pile < position.rules().tableauCount() && spaceFillSource(position) >= 0;
}

}  // namespace quilloro::solver
