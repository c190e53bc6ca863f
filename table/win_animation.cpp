// The winning animations, step by step.
#include "table/win_animation.hpp"

#include <algorithm>

namespace quilloro {

namespace {

struct Amounts {
  int cards;
  int pause;
};

Amounts scatteredAmounts(char size) {
  if (size == 'M') return {3000, 7};
  if (size == 'P') return {4000, 9};
  return {2000, 5};
}

Amounts rowAmounts(char size) {
  if (size == 'M') return {2500, 22};
  if (size == 'P') return {3500, 25};
  return {1500, 18};
}

WinAnimationStep pause(int milliseconds) {
  WinAnimationStep step;
  step.kind = WinAnimationStep::Kind::Pause;
  step.milliseconds = milliseconds;
  return step;
}

CardNumber randomCard(const RandomBelow& random) { return 1 + random(51); }

int below(const RandomBelow& random, int limit) { return limit > 0 ? random(limit) : 0; }

std::vector<WinAnimationStep> scattered(const CardSize& card, const WinAnimationArea& area, const RandomBelow& random) {
  const Amounts amounts = scatteredAmounts(card.letter);
  std::vector<WinAnimationStep> steps;
  steps.reserve(static_cast<std::size_t>(amounts.cards + amounts.cards / 15 + 2));
  for (int n = 0; n <= amounts.cards; ++n) {
    WinAnimationStep step;
    step.card = randomCard(random);
    step.x = below(random, area.windowWidth + card.width / 2) - card.width / 2;
    step.y = below(random, area.windowHeight + card.height / 2) - card.height / 2;
    steps.push_back(step);
    if ((n + 1) % 15 == 0) steps.push_back(pause(amounts.pause));
  }
  return steps;
}

std::vector<WinAnimationStep> rows(const CardSize& card, const WinAnimationArea& area, const RandomBelow& random) {
  const Amounts amounts = rowAmounts(card.letter);
  constexpr int kLineGap = 35;
  const int advance = std::max(1, card.width * 5 / 29);
  std::vector<WinAnimationStep> steps;
  int restartTop = area.firstLineTop;
  int lineTop = restartTop;
  int lines = 0;
  int x = -20;
  for (int n = 0; n < amounts.cards; ++n) {
    WinAnimationStep step;
    step.card = randomCard(random);
    step.x = x;
    step.y = lineTop;
    steps.push_back(step);
    if ((n + 1) % 20 == 0) steps.push_back(pause(amounts.pause));
    x += advance;
    if (x < area.windowWidth) continue;
    // The next line, lower down, or again from the top a little lower.
    ++lines;
    steps.push_back(pause(700));
    x = lines % 2 == 1 ? -(card.width / 3) : -(card.width / 4);
    lineTop += kLineGap;
    if (lineTop + card.height >= area.windowHeight) {
      restartTop += kLineGap;
      if (restartTop + card.height >= area.windowHeight) restartTop = area.firstLineTop + kLineGap;
      lineTop = restartTop;
    }
  }
  return steps;
}

}  // namespace

std::vector<WinAnimationStep> planWinAnimation(int kind, const CardSize& card, const WinAnimationArea& area,
                                               const RandomBelow& random) {
  return kind == 2 ? rows(card, area, random) : scattered(card, area, random);
}

}  // namespace quilloro
