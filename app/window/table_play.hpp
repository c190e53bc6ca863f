// Play on the window's table: the pointer's presses, drags and drops, the
// engine's card flights and the deal shown step by step, and the winning
// animation, with the input filters that keep the player out meanwhile.
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>

#include "app/core/settings_record.hpp"
#include "app/window/table_pointer_handler.hpp"
#include "engine/game_session.hpp"
#include "table/card_dragger.hpp"
#include "table/card_flight_player.hpp"
#include "table/empty_stock_button.hpp"
#include "table/motion_services.hpp"
#include "table/pointer_actions.hpp"
#include "table/table_layout.hpp"
#include "table/table_renderer.hpp"
#include "table/win_animation.hpp"

namespace quilloro {

class SoundPlayer;
class TableWidget;

// What the winning animation asks the window while it plays.
struct WinAnimationControl {
  // False once the player (or a close request) stopped the animation.
  std::function<bool()> running;
  // A key or button press stopped it.
  std::function<void()> interrupt;
};

class TablePlay : public QObject,
                  public TablePointerHandler,
                  private PointerListener,
                  private Pacer,
                  private SoundRequests {
 public:
  // The table widget's surface is the window the cards are drawn on; the
  // empty stock's pressed picture comes from the pictures folder.
  TablePlay(GameSession& session, const TableLayout& layout, TableRenderer& renderer, TableWidget& table,
            SoundPlayer& sounds, const SettingsRecord& settings, const std::filesystem::path& pictures);
  ~TablePlay() override;

  // --- TablePointerHandler: the table widget's mouse events ---
  void press(PointerButton button, int x, int y) override;
  void move(int x, int y) override;
  void release() override;
  void doubleClick(int x, int y) override;

  // A flight the engine announced, shown step by step.
  void playFlight(const CardFlight& flight);
  // The table as dealt: the cards fly from the deal source one by one.
  void playDeal();
  // Draws the steps of the winning animation onto the table until they end
  // or control.running() turns false. Answers whether it ran to its end.
  bool playWinAnimation(const std::vector<WinAnimationStep>& steps, WinAnimationControl control);

  // While set, the player's input reaches neither the table nor the window:
  // any key or button press calls it instead (a pause, cards played for the player).
  void setInterrupt(std::function<void()> interrupt) { interrupt_ = std::move(interrupt); }
  bool interrupting() const { return static_cast<bool>(interrupt_); }
  // Called after each release and double-click of the player: the moves the
  // program makes on its own afterwards.
  void setAfterPlayerMove(std::function<void()> after) { afterPlayerMove_ = std::move(after); }
  // The keyboard carries cards: the mouse's moves leave them where the keys put them.
  void setKeyboardCarrying(bool carrying) { keyboardCarrying_ = carrying; }
  // The carried cards follow the keyboard's focus.
  void carryTo(int x, int y);
  // Shows the table and waits, letting paint and timer events through.
  void wait(int milliseconds) { showAndWait(milliseconds); }

  // A flight or the deal is under way: the player's input is swallowed.
  bool blocking() const { return blocking_ > 0; }
  bool winAnimationRunning() const { return winAnimation_; }
  PointerActions& actions() { return actions_; }
  const CardDragger& dragger() const { return dragger_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // PointerListener
  void cursorChanged(int cursor) override;
  void beep() override;
  // Pacer: the table is shown, then the wait runs on the millisecond clock.
  void pause(int milliseconds) override;
  // SoundRequests
  void playSound(std::string_view fileName, bool switchOn) override;
  void playLoopingSound(std::string_view fileName, bool switchOn) override;

  // A press reached the table and its release has not yet.
  bool pressOpen_ = false;

  // Shows the window surface now and waits, letting paint and timer events through.
  void showAndWait(int milliseconds);

  GameSession& session_;
  TableRenderer& renderer_;
  TableWidget& table_;
  SoundPlayer& sounds_;
  CardDragger dragger_;
  CardFlightPlayer flights_;
  EmptyStockButton stockButton_;
  PointerActions actions_;
  int blocking_ = 0;
  bool winAnimation_ = false;
  WinAnimationControl control_;
  std::function<void()> interrupt_;
  std::function<void()> afterPlayerMove_;
  bool keyboardCarrying_ = false;
};

}  // namespace quilloro
