// The pointer on a real Klondike table: turning, taking and dropping cards,
// a click that is no move, sending an ace home and the empty stock's button.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/game_number.hpp"
#include "engine/games_dat.hpp"
#include "table/pointer_actions.hpp"
#include "tests/table/card_motion_fixture.hpp"

namespace quilloro {
namespace {

std::filesystem::path builtGamesDat() {
  const char* home = std::getenv("QUILLORO_HOME");
  return std::filesystem::path(home != nullptr ? home : "build/quilloro") / "GAMES.DAT";
}

const GamesDat& collection() {
  static const GamesDat dat = GamesDat::load(builtGamesDat());
  return dat;
}

class FixedTime : public TimeSource {
 public:
  LocalDateTime now() const override { return localTimeAt(1796119200); }
};

// The window's part: flights go to the table, sounds and cursors are recorded.
class WindowObserver : public SilentObserver, public PointerListener {
 public:
  void cardFlight(const CardFlight& flight) override {
    if (actions != nullptr) actions->playFlight(flight);
  }
  void playSound(std::string_view name, bool) override { sounds.emplace_back(name); }
  void cursorChanged(int cursor) override { cursors.push_back(cursor); }
  void beep() override { ++beeps; }
  PointerActions* actions = nullptr;
  std::vector<std::string> sounds;
  std::vector<int> cursors;
  int beeps = 0;
};

constexpr PileRef kFila1{PileList::Tableau, 0};
constexpr PileRef kFila2{PileList::Tableau, 1};

class KlondikeTable : public ::testing::Test {
 protected:
  KlondikeTable() {
    folder.writeCardSet(kCardSizeNormal);
    settings.set(field::CardSize, "B");
    settings.set(field::CardsShadowed, "N");
    settings.set(field::CardsAnimate, "Y");
    settings.set(field::PilesIrregular, "N");
    settings.set(field::SpeedMoveCard, "0");
    settings.set(field::Card, "001");
    settings.set(field::BackCard, "011");
    settings.set(field::BackgroundDefault, "Y");
    settings.set(field::Cursor, "11");
    settings.set(field::ScoringKind, "01");
    settings.set(field::UserDefault, "Tester");
    settings.set(field::ConfirmEnterHiScores, "N");
    settings.set(field::ConfirmQuitGame, "N");
    settings.setInteger(field::Game, 0);
    settings.set(field::GameNumber, normaliseGameNumber("1"));
    WindowMetrics metrics;
    metrics.screenWidth = metrics.windowWidth = 800;
    metrics.screenHeight = metrics.windowHeight = 600;
    metrics.statusBarTop = 570;
    layout.attach(game().state);
    layout.setWindow(metrics);
    game().setAutoplay(false);
    EXPECT_FALSE(session.newGame({.deal = true, .newNumber = false}));
    layout.prepareTable();
    observer.actions = &actions;
    draw();
  }

  Game& game() { return session.game(); }
  void draw() { renderer.redrawTable(actions.scene(), &window); }
  // The middle of the top card of a pile.
  Point onTop(PileRef pile) {
    const int count = game().state.piles.pile(pile).cardCount();
    const Point at = layout.cardPosition(pile, std::max(count - 1, 0));
    return {at.x + 30, at.y + 40};
  }
  // The card leaves wherever the deal put it and lies face up on top of the pile.
  void putOnTop(CardNumber card, PileRef pile) {
    game().state.takeCardOutOfPlay(card);
    game().state.putCard(pile.list, pile.index, card, "1");
  }
  std::vector<std::string> table() {
    std::vector<std::string> piles;
    for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
      for (int i = 0; i < pileListSize(list); ++i)
        piles.push_back(game().state.stateTokens(game().state.piles.pile(list, i)));
    return piles;
  }
  PixelSurface freshTable() {
    const PixelSurface kept = renderer.tableBuffer();
    renderer.redrawTable(actions.scene(), nullptr);
    PixelSurface fresh = renderer.tableBuffer();
    renderer.tableBuffer() = kept;
    return fresh;
  }
  void dragTo(Point from, Point to) {
    actions.press(PointerButton::Left, from.x, from.y);
    for (int k = 1; k <= 4; ++k)
      actions.move(from.x + (to.x - from.x) * k / 4, from.y + (to.y - from.y) * k / 4);
    actions.release();
  }

  testing::PictureFolder folder;
  SettingsRecord settings;
  WindowObserver observer;
  TableLayout layout{settings, nullptr, [](int) { return 0; }};
  FixedTime time;
  GameSession session{&collection(), settings, observer, layout, time, folder.home()};
  TableRenderer renderer{settings, folder.home()};
  PixelSurface window{800, 600};
  testing::CountingPacer pacer;
  testing::RecordingSounds sounds;
  CardDragger dragger{renderer, settings, window, &sounds};
  CardFlightPlayer flights{dragger, renderer, settings, window, pacer, &sounds};
  EmptyStockButton stockButton{renderer, window, pacer, folder.home()};
  PointerActions actions{{session, layout, renderer, window, dragger, flights, stockButton, settings, observer}};
};

TEST_F(KlondikeTable, PressOnAFaceDownTopCardTurnsItAndTheNextPressTakesIt) {
  const CardNumber card = game().state.piles.pile(kFila2).topCard();
  game().state.cards.setFaceState(card, "0");
  draw();
  const int steps = game().undoHistory().stepCount();
  const Point at = onTop(kFila2);
  actions.press(PointerButton::Left, at.x, at.y);
  EXPECT_FALSE(game().state.isFaceDown(card));
  EXPECT_FALSE(dragger.dragging());
  EXPECT_EQ(game().undoHistory().stepCount(), steps + 1);
  EXPECT_EQ(testing::differences(renderer.tableBuffer(), freshTable()), "");
  actions.release();
  actions.press(PointerButton::Left, at.x, at.y);
  EXPECT_TRUE(dragger.dragging());
  EXPECT_EQ(dragger.state().draggedCard, card);
  actions.release();
}

TEST_F(KlondikeTable, PressAndReleaseWithoutMovingIsNoMove) {
  settings.set(field::CardsShadowed, "Y");
  const std::vector<std::string> before = table();
  const int steps = game().undoHistory().stepCount();
  const Point at = onTop({PileList::Tableau, 6});
  actions.press(PointerButton::Left, at.x, at.y);
  ASSERT_TRUE(dragger.dragging());
  actions.release();
  EXPECT_FALSE(dragger.dragging());
  EXPECT_EQ(table(), before);
  EXPECT_EQ(game().undoHistory().stepCount(), steps);
  ASSERT_EQ(sounds.played.size(), 2u);
  EXPECT_EQ(sounds.played[0].first, "card_up.wav");
  EXPECT_EQ(sounds.played[1].first, "card_down.wav");
  EXPECT_EQ(testing::differences(renderer.tableBuffer(), freshTable()), "");
  EXPECT_EQ(testing::differences(window.cropped({0, 0, 800, 600}), renderer.tableBuffer().cropped({0, 0, 800, 600})),
            "");
}

TEST_F(KlondikeTable, DragOntoALegalPileMovesTheCardAndTheCursorFollows) {
  putOnTop(13, kFila1);  // king of hearts
  putOnTop(38, kFila2);  // queen of clubs
  draw();
  const int steps = game().undoHistory().stepCount();
  dragTo(onTop(kFila2), onTop(kFila1));
  EXPECT_FALSE(dragger.dragging());
  EXPECT_EQ(game().state.piles.pile(kFila1).topCard(), 38);
  EXPECT_EQ(game().undoHistory().stepCount(), steps + 1);
  EXPECT_EQ(observer.cursors, (std::vector<int>{21, 11}));
  EXPECT_EQ(testing::differences(renderer.tableBuffer(), freshTable()), "");
  EXPECT_EQ(testing::differences(window.cropped({0, 0, 800, 600}), renderer.tableBuffer().cropped({0, 0, 800, 600})),
            "");

  // The queen does not go on the other black king: it flies back.
  putOnTop(39, kFila2);  // king of clubs
  draw();
  const std::vector<std::string> before = table();
  dragTo(onTop(kFila1), onTop(kFila2));
  EXPECT_EQ(table(), before);
  EXPECT_EQ(testing::differences(renderer.tableBuffer(), freshTable()), "");
}

TEST_F(KlondikeTable, DoubleClickSendsAnAceHomeAndSkipsTheNextPress) {
  putOnTop(1, kFila2);
  draw();
  const Point at = onTop(kFila2);
  actions.press(PointerButton::Left, at.x, at.y);
  actions.release();
  actions.doubleClick();
  EXPECT_TRUE(actions.skipNextPress());
  bool home = false;
  for (int f = 0; f < 4; ++f) home = home || game().state.piles.pile(PileList::Foundations, f).topCard() == 1;
  EXPECT_TRUE(home);
  EXPECT_NE(game().state.piles.pile(kFila2).topCard(), 1);
  EXPECT_EQ(testing::differences(renderer.tableBuffer(), freshTable()), "");
  // The press the window reports after the double-click is ignored.
  const Point next = onTop(kFila1);
  actions.press(PointerButton::Left, next.x, next.y);
  EXPECT_FALSE(dragger.dragging());
  EXPECT_FALSE(actions.skipNextPress());
  // A face-down card is not sent anywhere.
  const CardNumber hidden = game().state.piles.pile(kFila1).topCard();
  game().state.cards.setFaceState(hidden, "0");
  const std::vector<std::string> before = table();
  actions.doubleClick();
  EXPECT_EQ(table(), before);
}

TEST_F(KlondikeTable, EmptyStockPressedMovedOffAndReleasedMakesNoRedeal) {
  for (int guard = 0; guard < 60 && !game().state.piles.stock().empty(); ++guard) {
    const Point at = onTop(kStockPile);
    actions.press(PointerButton::Left, at.x, at.y);
    actions.release();
  }
  ASSERT_TRUE(game().state.piles.stock().empty());
  ASSERT_TRUE(game().redealAllowed());
  draw();
  const std::vector<std::string> before = table();
  const Point stock = onTop(kStockPile);
  actions.press(PointerButton::Left, stock.x, stock.y);
  EXPECT_TRUE(stockButton.pressed());
  actions.move(stock.x + 200, stock.y);
  EXPECT_FALSE(stockButton.pressed());
  EXPECT_FALSE(game().stockPressed());
  actions.release();
  EXPECT_EQ(table(), before);
  // Pressed and released on it: the redeal.
  actions.press(PointerButton::Left, stock.x, stock.y);
  actions.release();
  EXPECT_FALSE(game().state.piles.stock().empty());
}

TEST_F(KlondikeTable, InADemoAClickOnlyBeepsAndTheRestOfTheDemoStays) {
  ASSERT_EQ(game().pressStock(), StockPress::Moved);
  ASSERT_EQ(game().pressStock(), StockPress::Moved);
  std::filesystem::create_directories(folder.home() / "Demos");
  ASSERT_FALSE(session.save(session.demoFile()));
  ASSERT_EQ(session.startDemo().lastPosition, 3);
  ASSERT_EQ(session.goToDemoPosition(1, 2), 2);
  game().setAutoplay(true);
  draw();
  const std::vector<std::string> before = table();
  const int redo = game().redoHistory().stepCount();
  const int beeps = observer.beeps;

  dragTo(onTop({PileList::Tableau, 6}), onTop({PileList::Tableau, 5}));
  actions.press(PointerButton::Left, onTop(kStockPile).x, onTop(kStockPile).y);
  actions.release();
  actions.doubleClick();
  EXPECT_EQ(observer.beeps, beeps + 2);
  EXPECT_FALSE(dragger.dragging());
  EXPECT_EQ(table(), before);
  EXPECT_EQ(game().redoHistory().stepCount(), redo);
  EXPECT_EQ(session.goToDemoPosition(2, 3), 3);
}

TEST_F(KlondikeTable, ADiscardGameBeepsForEveryTopCardItRefuses) {
  for (const int family : {2, 12, 15}) {
    game().state.parameters[param::kGameFamily] = static_cast<ParameterValue>(family);
    putOnTop(20, kDiscardPile);  // the 7 of diamonds
    putOnTop(5, kFila1);         // a 5 is two ranks away
    draw();
    const std::vector<std::string> before = table();
    const int beeps = observer.beeps;
    actions.press(PointerButton::Left, onTop(kFila1).x, onTop(kFila1).y);
    actions.release();
    EXPECT_EQ(observer.beeps, beeps + 1) << "family " << family;
    EXPECT_EQ(table(), before) << "family " << family;

    putOnTop(6, kFila1);  // the 6 goes on the 7
    draw();
    actions.press(PointerButton::Left, onTop(kFila1).x, onTop(kFila1).y);
    actions.release();
    EXPECT_EQ(game().state.piles.discard().topCard(), 6) << "family " << family;
    EXPECT_EQ(observer.beeps, beeps + 1) << "family " << family;
  }
}

}  // namespace
}  // namespace quilloro
