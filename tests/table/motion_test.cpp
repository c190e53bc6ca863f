// Card flights, the winning animations and the sound switches.
#include <gtest/gtest.h>

#include <random>

#include "table/flight_path.hpp"
#include "table/sound_events.hpp"
#include "table/win_animation.hpp"

namespace quilloro {
namespace {

TEST(Flight, OneHundredPixelsAlongXTakeStepsOfNineteen) {
  const FlightPath path = planFlight({0, 0}, {100, 40}, kCardSizeNormal, false);
  ASSERT_EQ(path.steps.size(), 6u);
  EXPECT_EQ(path.steps[0], (Point{19, 7}));  // 19 % of the way down: trunc(40 * 0.19)
  EXPECT_EQ(path.steps[4], (Point{95, 38}));  // trunc(40 * 0.95)
  EXPECT_EQ(path.steps.back(), (Point{100, 40}));  // the last step clamped at the target
}

TEST(Flight, FastAndVeryShortFlightsStillArrive) {
  for (const int distance : {1, 2, 3, 7, 500}) {
    for (const bool fast : {false, true}) {
      const FlightPath path = planFlight({10, 10}, {10, 10 + distance}, kCardSizeNormal, fast);
      ASSERT_FALSE(path.steps.empty());
      EXPECT_EQ(path.steps.back(), (Point{10, 10 + distance}));
      EXPECT_LE(path.steps.size(), static_cast<std::size_t>(distance));
    }
  }
  // About 0.0128 D + 4 steps: 500 pixels go in ten steps of 48 and the rest.
  EXPECT_EQ(planFlight({0, 0}, {500, 0}, kCardSizeNormal, false).steps.size(), 11u);
  EXPECT_GT(planFlight({0, 0}, {500, 0}, kCardSizeNormal, true).steps.size(), 30u);
  EXPECT_TRUE(planFlight({5, 5}, {5, 5}, kCardSizeNormal, false).steps.empty());
}

TEST(Flight, LiftedAndOffTableTargets) {
  EXPECT_EQ(planFlight({0, 0}, {200, 100}, kCardSizeNormal, false, 9).target, (Point{191, 91}));
  const FlightPath away = planFlight({100, 100}, {-1, 50}, kCardSizeNormal, false);
  EXPECT_EQ(away.target, (Point{-3 * 71, 50}));
  EXPECT_EQ(away.steps.back(), away.target);
}

TEST(WinAnimation, ScatteredCardsPauseAfterEveryFifteenth) {
  std::mt19937 generator(7);
  const RandomBelow random = [&generator](int limit) {
    return std::uniform_int_distribution<int>(0, limit - 1)(generator);
  };
  const WinAnimationArea area{800, 600, 60};
  const auto steps = planWinAnimation(1, kCardSizeNormal, area, random);
  int cards = 0;
  int pauses = 0;
  for (const WinAnimationStep& step : steps) {
    if (step.kind == WinAnimationStep::Kind::Pause) {
      ++pauses;
      EXPECT_EQ(step.milliseconds, 5);
      continue;
    }
    ++cards;
    EXPECT_GE(step.card, 1);
    EXPECT_LE(step.card, 51);
    EXPECT_GE(step.x, -35);
    EXPECT_LT(step.x, 800);
    EXPECT_GE(step.y, -48);
    EXPECT_LT(step.y, 600);
  }
  EXPECT_EQ(cards, 2001);
  EXPECT_EQ(pauses, 2001 / 15);
  EXPECT_EQ(planWinAnimation(1, kCardSizeMiniature, area, random).size(), 4001u + 4001 / 15);
}

TEST(WinAnimation, RowsSweepDownAndStartAgainLower) {
  const RandomBelow first = [](int) { return 0; };
  const WinAnimationArea area{300, 400, 50};
  const auto steps = planWinAnimation(2, kCardSizeNormal, area, first);
  std::vector<WinAnimationStep> cards;
  for (const WinAnimationStep& step : steps)
    if (step.kind == WinAnimationStep::Kind::Card) cards.push_back(step);
  ASSERT_EQ(cards.size(), 1500u);
  EXPECT_EQ(cards[0].x, -20);
  EXPECT_EQ(cards[0].y, 50);
  EXPECT_EQ(cards[1].x, -20 + 71 * 5 / 29);
  // The second line begins 35 pixels lower, a third of a card to the left.
  const auto secondLine = std::find_if(cards.begin(), cards.end(), [](const auto& c) { return c.y == 85; });
  ASSERT_NE(secondLine, cards.end());
  EXPECT_EQ(secondLine->x, -(71 / 3));
  for (const WinAnimationStep& card : cards) EXPECT_LT(card.y + 96, 400);
  // Once a line would pass the bottom, drawing starts at the top, lower.
  EXPECT_TRUE(std::any_of(cards.begin(), cards.end(), [](const auto& c) { return c.y == 85 + 0; }));
  EXPECT_TRUE(std::count_if(steps.begin(), steps.end(), [](const auto& s) { return s.milliseconds == 700; }) > 0);
}

TEST(Sounds, TheMasterSwitchSilencesEverything) {
  SettingsRecord settings;
  settings.set(field::SoundsEnabled, "Y");
  EXPECT_TRUE(soundAudible(settings, true));
  EXPECT_FALSE(soundAudible(settings, false));
  settings.set(field::SoundsEnabled, "N");
  EXPECT_FALSE(soundAudible(settings, true));
  EXPECT_EQ(soundFilePath("/q", "Face_up"), std::filesystem::path("/q/SOUNDS/Face_up.wav"));
  EXPECT_EQ(soundFilePath("/q", "card_up.wav"), std::filesystem::path("/q/SOUNDS/card_up.wav"));
  int ungoverned = 0;
  for (const SoundEvent& event : soundEvents()) ungoverned += event.eventSwitch == nullptr ? 1 : 0;
  EXPECT_EQ(ungoverned, 1);  // "Reorder"
}

}  // namespace
}  // namespace quilloro
