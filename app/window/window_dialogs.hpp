// The dialogs of the game window: the catalogue, favourites, select-number,
// "Game won", the demo bar, and saving and opening game files. Made once at
// start-up, after the main window, and set into the window's commands.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/selection/game_selection_context.hpp"
#include "app/widgets/help_window.hpp"

class QWidget;

namespace quilloro {

class DemoBar;
class GameCatalogueDialog;
class GameWonDialog;
class MainWindow;
class StatisticsWindows;

// Where the player names a game file. The window system's file dialogs
// unless a test gives its own.
class GameFileChooser {
 public:
  enum class Replace { Yes, No, Cancel };
  virtual ~GameFileChooser() = default;
  // An empty path: the player cancelled.
  virtual std::filesystem::path saveFile(QWidget* parent, const QString& title,
                                         const std::filesystem::path& folder) = 0;
  virtual std::filesystem::path openFile(QWidget* parent, const QString& title,
                                         const std::filesystem::path& folder) = 0;
  // The chosen file exists: replace it, choose again or give up.
  virtual Replace replaceExisting(QWidget* parent, const QString& text) = 0;
};

class QtGameFileChooser : public GameFileChooser {
 public:
  std::filesystem::path saveFile(QWidget* parent, const QString& title, const std::filesystem::path& folder) override;
  std::filesystem::path openFile(QWidget* parent, const QString& title, const std::filesystem::path& folder) override;
  Replace replaceExisting(QWidget* parent, const QString& text) override;
  // The name of a game file in the file type filter, in the program's language.
  QString fileKind = QStringLiteral("Game");
};

class WindowDialogs : public QObject {
 public:
  explicit WindowDialogs(MainWindow& window, GameFileChooser* files = nullptr);
  ~WindowDialogs() override;

  GameCatalogueDialog& catalogue() { return *catalogue_; }
  // The rules and help window, once a page was asked for.
  HelpWindow* rulesWindow() const { return rules_; }
  GameWonDialog& gameWonDialog() { return *gameWon_; }
  DemoBar& demoBar() { return *demoBar_; }
  StatisticsWindows& statistics() { return *statistics_; }

  // Each answers whether a new game is on the table afterwards.
  bool showCatalogue();
  bool selectNumber();
  void showFavourites();
  // "Save game": the file is chosen in the folder of the last save or open.
  void saveGame();
  // "Open a saved game" of the catalogue.
  void openSavedGame();
  // The Demo command: the recorded game of the current game kind, or back from it.
  void toggleDemo();

 private:
  GameSelectionContext context();
  void makeStatisticsWindows();
  void gameDealt();
  // A help page (the contents without a number) in front of the dialog that asks for it.
  void showHelpPage(std::optional<int> context);
  void stopDemo();
  std::filesystem::path saveFolder() const;
  void rememberFolder(const std::filesystem::path& file);
  QString windowText(int offset, const char* fallback) const;

  MainWindow& window_;
  QtGameFileChooser ownFiles_;
  GameFileChooser* files_;
  GameCatalogueDialog* catalogue_ = nullptr;
  GameWonDialog* gameWon_ = nullptr;
  DemoBar* demoBar_ = nullptr;
  // Owned by the window it was last opened over; gone with it.
  QPointer<HelpWindow> rules_;
  std::unique_ptr<StatisticsWindows> statistics_;
  // A dialog shown from "Game won" already put its deal on the table.
  bool dealShown_ = false;
};

}  // namespace quilloro
