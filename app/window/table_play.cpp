// Play on the window's table: pointer actions, flights, the deal and the winning animation.
#include "app/window/table_play.hpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include "app/widgets/sound_player.hpp"
#include "app/window/table_widget.hpp"

namespace quilloro {
namespace {

// While dragging the window reports the preferred cursor + 10: 20 to 24.
constexpr int kDraggingCursorOffset = 10;
constexpr int kFirstDraggingCursor = 20;

bool isPress(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
         type == QEvent::NonClientAreaMouseButtonPress || type == QEvent::NonClientAreaMouseButtonDblClick ||
         type == QEvent::KeyPress;
}

bool isInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

// Counts the table as busy for as long as it lives.
class Busy {
 public:
  explicit Busy(int& count) : count_(count) { ++count_; }
  ~Busy() { --count_; }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  int& count_;
};

}  // namespace

TablePlay::TablePlay(GameSession& session, const TableLayout& layout, TableRenderer& renderer, TableWidget& table,
                     SoundPlayer& sounds, const SettingsRecord& settings, const std::filesystem::path& pictures)
    : session_(session),
      renderer_(renderer),
      table_(table),
      sounds_(sounds),
      dragger_(renderer, settings, table.surface(), this),
      flights_(dragger_, renderer, settings, table.surface(), *this, this),
      stockButton_(renderer, table.surface(), *this, pictures),
      actions_({session, layout, renderer, table.surface(), dragger_, flights_, stockButton_, settings, *this}) {
  qApp->installEventFilter(this);
  table_.setPointerHandler(this);
}

TablePlay::~TablePlay() {
  table_.setPointerHandler(nullptr);
  qApp->removeEventFilter(this);
}

// --- the pointer ---

void TablePlay::press(PointerButton button, int x, int y) {
  Busy busy(blocking_);
  pressOpen_ = true;
  actions_.press(button, x, y);
  table_.update();
}

void TablePlay::move(int x, int y) {
  if (keyboardCarrying_) return;
  actions_.move(x, y);
  if (dragger_.dragging() || stockButton_.pressed()) table_.update();
}

void TablePlay::carryTo(int x, int y) {
  actions_.move(x, y);
  table_.update();
}

void TablePlay::release() {
  {
    Busy busy(blocking_);
    pressOpen_ = false;
    actions_.release();
  }
  if (afterPlayerMove_) afterPlayerMove_();
  table_.update();
}

void TablePlay::doubleClick(int x, int y) {
  Busy busy(blocking_);
  // On the stock a double-click is simply one more click: quick clicks turn
  // as many cards as they are. The window system may report the second press
  // only as the double-click, so it is pressed here when no press came.
  if (actions_.onStock(x, y)) {
    if (!pressOpen_) {
      pressOpen_ = true;
      actions_.press(PointerButton::Left, x, y);
    }
    table_.update();
    return;
  }
  // The card under the double-click goes home, whatever the press before it saw.
  if (!dragger_.dragging()) dragger_.state().lastPress = {x, y};
  actions_.doubleClick();
  // The table skips the press that follows a double-click on some window
  // systems; Qt reports none, so the skip is used up here rather than
  // swallowing the player's next press.
  if (actions_.skipNextPress()) actions_.press(PointerButton::Left, x, y);
  if (afterPlayerMove_) afterPlayerMove_();
  table_.update();
}

void TablePlay::cursorChanged(int cursor) {
  const bool dragging = cursor >= kFirstDraggingCursor;
  table_.setPointerShape(dragging ? cursor - kDraggingCursorOffset : cursor);
  table_.setDragging(dragging);
}

void TablePlay::beep() { QApplication::beep(); }

// --- flights, the deal and the winning animation ---

void TablePlay::playFlight(const CardFlight& flight) {
  Busy busy(blocking_);
  actions_.playFlight(flight);
  table_.update();
}

void TablePlay::playDeal() {
  Busy busy(blocking_);
  flights_.playDeal(actions_.scene());
  table_.update();
}

bool TablePlay::playWinAnimation(const std::vector<WinAnimationStep>& steps, WinAnimationControl control) {
  control_ = std::move(control);
  winAnimation_ = true;
  bool finished = true;
  for (const WinAnimationStep& step : steps) {
    if (!control_.running()) {
      finished = false;
      break;
    }
    if (step.kind == WinAnimationStep::Kind::Pause) {
      showAndWait(step.milliseconds);
    } else {
      renderer_.drawFaceUp(step.card, step.x, step.y, false, table_.surface());
      renderer_.drawFaceUp(step.card, step.x, step.y, false, renderer_.tableBuffer());
    }
  }
  winAnimation_ = false;
  control_ = {};
  table_.update();
  return finished;
}

void TablePlay::pause(int milliseconds) { showAndWait(milliseconds); }

void TablePlay::showAndWait(int milliseconds) {
  table_.repaint();
  if (milliseconds <= 0) return;
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(milliseconds - clock.elapsed()));
    if (winAnimation_ && control_.running && !control_.running()) return;
  }
}

bool TablePlay::eventFilter(QObject* /*watched*/, QEvent* event) {
  const QEvent::Type type = event->type();
  if (!isInput(type)) return false;
  if (winAnimation_) {
    // Any key or button press ends the animation; no input reaches the window meanwhile.
    if (isPress(type) && control_.interrupt) control_.interrupt();
    return true;
  }
  if (interrupt_ && QApplication::activeModalWidget() == nullptr) {
    if (isPress(type)) {
      // The handler may clear or replace itself.
      const std::function<void()> interrupt = interrupt_;
      interrupt();
    }
    return true;
  }
  // While cards fly, no click, key or menu shortcut reaches the window; a
  // dialog shown meanwhile (which keeps the window out itself) keeps its input.
  return blocking_ > 0 && QApplication::activeModalWidget() == nullptr;
}

// --- sounds ---

void TablePlay::playSound(std::string_view fileName, bool switchOn) { sounds_.play(fileName, switchOn); }

void TablePlay::playLoopingSound(std::string_view fileName, bool switchOn) {
  sounds_.playLooping(fileName, switchOn);
}

}  // namespace quilloro
