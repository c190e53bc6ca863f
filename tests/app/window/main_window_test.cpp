// The main window driven on the offscreen platform: start, captions, top area, clock, abandon and closing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMenuBar>
#include <QToolButton>
#include <cstdlib>
#include <deque>

#include "app/widgets/help_window.hpp"
#include "app/window/info_panel.hpp"
#include "app/core/ini_file.hpp"
#include "app/window/main_window.hpp"
#include "app/core/program_paths.hpp"
#include "app/widgets/sound_player.hpp"
#include "app/window/table_widget.hpp"
#include "app/window/tool_strip.hpp"
#include "app/core/top_area_layout.hpp"
#include "stats/result_files.hpp"
#include "tests/support/temp_dir.hpp"

namespace quilloro {
namespace {

using testing::TempDir;

std::filesystem::path installFolder() {
  const char* home = std::getenv("QUILLORO_HOME");
  return home ? std::filesystem::path(home) : std::filesystem::path();
}

// Answers the window's questions from a script and keeps what it was asked.
class ScriptedBoxes : public MessageBoxes {
 public:
  void information(const QString& text) override { shown.push_back(text); }
  bool confirm(const QString& text) override { return answer(text); }
  bool informationOkCancel(const QString& text) override { return answer(text); }
  void error(const QString& title, const QString& text) override { shown.push_back(title + ": " + text); }

  bool answer(const QString& text) {
    asked.push_back(text);
    if (answers.empty()) return true;
    const bool next = answers.front();
    answers.pop_front();
    return next;
  }

  std::deque<bool> answers;
  std::vector<QString> asked;
  std::vector<QString> shown;
};

class FixedTime : public TimeSource {
 public:
  LocalDateTime now() const override { return moment; }
  LocalDateTime moment{1'700'000'000};
};

// --- the top area, worked out without a window ---

TEST(TopAreaLayout, PanelsStandRightOfTheExitButtonAndHideWhenTheyWouldTouchIt) {
  TopAreaInput input;
  input.windowWidth = 1024;
  input.toolbarHeight = 46;
  input.toolbarWidth = 1024;
  input.exitRight = 477;
  TopAreaPlacement wide = layoutTopArea(input);
  EXPECT_EQ(wide.time, (PanelBox{1024 - 77 - 15, 12, 77, 25}));  // (46 - 25) / 2 rounds to the even 10, + 2
  EXPECT_EQ(wide.score, (PanelBox{1024 - 77 - 15 - 70 - 5, 12, 70, 26}));
  EXPECT_TRUE(wide.timeVisible);
  EXPECT_TRUE(wide.scoreVisible);
  EXPECT_EQ(wide.greyLineTop, 46);
  EXPECT_EQ(wide.blackLineTop, 47);
  EXPECT_EQ(wide.bottom, 48);

  // The time panel would start 3 pixels from the Exit button or nearer: hidden, and the score with it.
  input.windowWidth = 477 + 3 + 77 + 15;
  TopAreaPlacement narrow = layoutTopArea(input);
  EXPECT_FALSE(narrow.timeVisible);
  EXPECT_FALSE(narrow.scoreVisible);
  input.windowWidth += 1;
  EXPECT_TRUE(layoutTopArea(input).timeVisible);

  // Time hidden by the player: the score takes the right edge.
  input.windowWidth = 800;
  input.showTime = false;
  TopAreaPlacement noTime = layoutTopArea(input);
  EXPECT_FALSE(noTime.timeVisible);
  EXPECT_TRUE(noTime.scoreVisible);
  EXPECT_EQ(noTime.score.left, 800 - 70 - 15);

  // A demo puts its line and panel under the toolbar, and the two lines below them.
  input.demo = true;
  TopAreaPlacement demo = layoutTopArea(input);
  EXPECT_TRUE(demo.demoShown);
  EXPECT_EQ(demo.demoLineTop, 46);
  EXPECT_EQ(demo.demoPanelTop, 47);
  EXPECT_EQ(demo.greyLineTop, 47 + kDemoPanelHeight);
}

TEST(ProgramPaths, HomeFolderOverridesDataAndItsOwnGameDefinitions) {
  TempDir install;
  TempDir home;
  std::ofstream(install / "GAMES.DAT") << "x";
  ProgramPaths plain = programPathsFrom(install.path(), {"Quilloro"});
  EXPECT_EQ(plain.home, install.path());
  EXPECT_EQ(plain.gamesDat, install / "GAMES.DAT");

  ProgramPaths moved = programPathsFrom(install.path(), {"Quilloro", "--home", home.path().string()});
  EXPECT_EQ(moved.home, home.path());
  EXPECT_EQ(moved.gamesDat, install / "GAMES.DAT");
  EXPECT_EQ(moved.pictures, install.path());
  std::ofstream(home / "GAMES.DAT") << "y";
  EXPECT_EQ(programPathsFrom(install.path(), {"Quilloro", "--home", home.path().string()}).gamesDat,
            home / "GAMES.DAT");
}

TEST(ProgramPaths, MissingFilesAreNamedInTheErrorText) {
  TempDir install;
  ProgramPaths paths = programPathsFrom(install.path(), {});
  const auto noGames = missingStartupFile(paths);
  ASSERT_TRUE(noGames);
  EXPECT_EQ(noGames->rfind("Cannot find file:\n" + (install / "GAMES.DAT").string(), 0), 0u);
  std::ofstream(install / "GAMES.DAT") << "x";
  const auto noCards = missingStartupFile(paths);
  ASSERT_TRUE(noCards);
  EXPECT_NE(noCards->find("Cannot find images file:"), std::string::npos);
  EXPECT_NE(noCards->find("CB001C.bmp"), std::string::npos);
}

TEST(SoundPlayer, StaysSilentAndQuickWithoutAnAudioDevice) {
  TempDir install;
  SettingsRecord settings;
  settings.set(field::SoundsEnabled, "Y");
  SoundPlayer player(settings, installFolder().empty() ? install.path() : installFolder());
  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < 20; ++i) player.playLooping("Shuffle", true);
  player.play("Splash", true);
  player.play("", true);
  EXPECT_LT(clock.elapsed(), 500);
  if (!player.deviceAvailable()) {
    EXPECT_TRUE(player.current().isEmpty());
  }
  // Switched off, nothing is even asked for.
  settings.set(field::SoundsEnabled, "N");
  player.play("Splash", true);
  EXPECT_TRUE(player.current().isEmpty());
  EXPECT_FALSE(player.looping());
}

// --- the window itself ---

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(installFolder().empty()) << "QUILLORO_HOME names the build's installation folder";
    std::filesystem::create_directories(home.path() / "DATA");
    // Autoplay off: a new game then starts without its pause; no deal
    // animation, so the cards lie on the table at once.
    preferences().writeString("Preference", "AutoPlay", "N");
    preferences().writeString("Preference", "Cards_Animate", "N");
  }

  IniFile preferences() const { return IniFile(home.path() / "DATA" / "CFG.DAT"); }

  MainWindow& start() {
    MainWindowOptions options;
    options.paths = programPathsFrom(installFolder(), {"Quilloro", "--home", home.path().string()});
    options.boxes = &boxes;
    options.time = &time;
    window = std::make_unique<MainWindow>(options);
    window->resize(1024, 768);
    window->show();
    window->runFirstActivation();
    QApplication::processEvents();
    return *window;
  }

  TempDir home;
  ScriptedBoxes boxes;
  FixedTime time;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, FreshHomeStartsTheStoredGameKindWithItsCaption) {
  MainWindow& w = start();
  EXPECT_TRUE(w.session().game().underWay());
  EXPECT_FALSE(w.startupPending());
  const std::string name = w.games().catalogue().front().shortName();
  const std::string number = w.settings().get(field::GameNumber);
  ASSERT_FALSE(number.empty());
  EXPECT_EQ(w.windowTitle().toStdString(), "Quilloro 98 [" + name + "]  [User1]  [" + number + "]");
  EXPECT_EQ(preferences().readInteger("Parameters", "Run_Exe", 0), 1);
  EXPECT_EQ(preferences().readString("Game_Numbers", "Game001", ""), number);
  EXPECT_TRUE(std::filesystem::exists(home / "QLRV0310.DAT"));
  EXPECT_TRUE(boxes.asked.empty());
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MainWindowTest, MenuCaptionsComeFromTheStringTableInBothLanguages) {
  MainWindow& w = start();
  ASSERT_FALSE(w.captionedItems().empty());
  for (const CaptionedItem& item : w.captionedItems()) {
    EXPECT_TRUE(w.strings().contains(kEnglishBase + item.textNumber)) << item.textNumber;
    EXPECT_TRUE(w.strings().contains(kItalianBase + item.textNumber)) << item.textNumber;
  }
  EXPECT_EQ(w.action("mnuNewGame")->text(), QStringLiteral("&New game"));
  EXPECT_EQ(w.action("mnuFile")->text(), QStringLiteral("&File"));
  EXPECT_EQ(w.action("mnuHiScores")->text(), QStringLiteral("&Hi-Scores..."));
  EXPECT_EQ(w.action("mnuWeb")->text(), QStringLiteral("Quilloro 98 on the &Web..."));
  EXPECT_EQ(w.action("mnuWebSite")->text(), QStringLiteral("Quilloro 98 &Web Site..."));
  // Ctrl+Y opens the players; Redo has a key of its own, and its entry shows that key.
  EXPECT_EQ(w.action("mnuPlayers")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
  EXPECT_EQ(w.action("mnuRedo")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
  EXPECT_EQ(w.action("mnuRedo")->text(), QStringLiteral("&Redo"));
  EXPECT_EQ(w.action("mnuNewGame")->shortcut(), QKeySequence(Qt::Key_F2));

  w.settings().set(field::Language, "10000");
  w.applyLanguageCaptions();
  EXPECT_EQ(w.action("mnuNewGame")->text(), QStringLiteral("&Nuova partita"));
  EXPECT_EQ(w.action("mnuRedo")->text(), QStringLiteral("&Ripristina"));
  EXPECT_EQ(w.action("mnuHiScores")->text(), QStringLiteral("&Record..."));
  w.fnConfirmAbandon();
  EXPECT_EQ(boxes.asked.back(), QStringLiteral("Abbandonare questa partita?"));
}

TEST_F(MainWindowTest, TimeAndScorePanelsShowTheirWholeTextInBothLanguages) {
  MainWindow& w = start();
  InfoPanel* time = w.timePanel();
  InfoPanel* score = w.scorePanel();
  time->setValue(QStringLiteral("0:00:02"));
  EXPECT_TRUE(time->showsWholeText());
  EXPECT_EQ(time->label(), QStringLiteral("Time:"));
  // A long score widens its panel, which moves left and stays clear of the time.
  w.scoreChanged(-104);
  EXPECT_TRUE(score->showsWholeText());
  w.scoreChanged(-1234567);
  EXPECT_TRUE(score->showsWholeText());
  EXPECT_LE(score->x() + score->width(), time->x());
  EXPECT_EQ(time->x() + time->width(), w.table()->width() - 15);

  w.settings().set(field::Language, "10000");
  w.applyLanguageCaptions();
  EXPECT_EQ(time->label(), QStringLiteral("Tempo:"));
  EXPECT_EQ(score->label(), QStringLiteral("Punti:"));
  EXPECT_TRUE(time->showsWholeText());
  EXPECT_TRUE(score->showsWholeText());
  EXPECT_EQ(w.findChild<QAction*>("popShowTime")->text(), QStringLiteral("Mostra il tempo"));
}

TEST_F(MainWindowTest, TopAreaFollowsTheWindowWidthAndThePanelSwitches) {
  MainWindow& w = start();
  EXPECT_TRUE(w.timePanel()->isVisible());
  EXPECT_TRUE(w.scorePanel()->isVisible());
  EXPECT_EQ(w.timePanel()->x(), w.table()->width() - w.timePanel()->width() - 15);
  EXPECT_GE(w.timePanel()->width(), 77);
  EXPECT_GE(w.scorePanel()->width(), 70);
  EXPECT_EQ(w.scorePanel()->height(), 26);

  w.resize(w.visibleToolbar()->exitRight() + 60, 600);
  QApplication::processEvents();
  EXPECT_FALSE(w.timePanel()->isVisible());
  EXPECT_FALSE(w.scorePanel()->isVisible());

  w.resize(1000, 700);
  QApplication::processEvents();
  w.fnShowTimePanel(false, true);
  EXPECT_FALSE(w.timePanel()->isVisible());
  EXPECT_EQ(w.scorePanel()->x(), w.table()->width() - w.scorePanel()->width() - 15);
  EXPECT_EQ(preferences().readString("Preference", "Show_Time", ""), "N");
  EXPECT_EQ(w.settings().get(field::ShowTime), "N");
  EXPECT_TRUE(w.findChild<QAction*>("popShowTime")->isEnabled());
  w.fnShowTimePanel(true, true);
  EXPECT_TRUE(w.timePanel()->isVisible());
  EXPECT_FALSE(w.findChild<QAction*>("popShowTime")->isEnabled());

  // Large icons: the other toolbar shows and the choice is kept.
  w.setLargeToolbar(true, true);
  EXPECT_EQ(w.visibleToolbar(), w.largeToolbar());
  EXPECT_EQ(w.largeToolbar()->height(), 46);
  EXPECT_EQ(w.largeToolbar()->button(ToolButton::Exit)->x(), 433);
  EXPECT_EQ(preferences().readString("Preference", "ToolBar_Large", ""), "Y");
  w.setFlatToolbar(false, true);
  EXPECT_FALSE(w.largeToolbar()->button(ToolButton::New)->autoRaise());
  EXPECT_EQ(preferences().readString("Preference", "ToolBar_Flat", ""), "N");
}

TEST_F(MainWindowTest, TimerShowsTheElapsedTimeOfTheRunningClock) {
  MainWindow& w = start();
  EXPECT_EQ(w.timePanel()->value(), QStringLiteral("0:00:00"));
  time.moment.epochSeconds += 3600 + 2 * 60 + 5;
  w.tick();
  EXPECT_EQ(w.timePanel()->value(), QStringLiteral("1:02:05"));
  time.moment.epochSeconds += 9;
  w.tick();
  EXPECT_EQ(w.timePanel()->value(), QStringLiteral("1:02:14"));
}

TEST_F(MainWindowTest, AbandonCheckAsksOnlyForAGameUnderWay) {
  MainWindow& w = start();
  const std::string number = w.settings().get(field::GameNumber);
  boxes.answers = {false};
  w.newGame();
  ASSERT_EQ(boxes.asked.size(), 1u);
  EXPECT_EQ(boxes.asked[0], QStringLiteral("Quit this game?"));
  EXPECT_EQ(w.settings().get(field::GameNumber), number);

  boxes.answers = {true};
  EXPECT_TRUE(w.fnConfirmAbandon(QStringLiteral("Leave it?")));
  EXPECT_EQ(boxes.asked.back(), QStringLiteral("Leave it?"));

  w.settings().set(field::ConfirmQuitGame, "N");
  const std::size_t asked = boxes.asked.size();
  EXPECT_TRUE(w.fnConfirmAbandon());
  EXPECT_EQ(boxes.asked.size(), asked);

  // Not while an animation runs, whatever the setting.
  w.setAnimationRunning(true);
  EXPECT_FALSE(w.fnConfirmAbandon());
  w.setAnimationRunning(false);

  // With the question off, a new game books the old one as lost and deals another.
  w.newGame();
  EXPECT_NE(w.settings().get(field::GameNumber), number);
  EXPECT_TRUE(std::filesystem::exists(stats::ResultFiles::under(home.path()).log));
}

TEST_F(MainWindowTest, ClosingWithoutQuestionBooksTheGameUnderWayAsLost) {
  preferences().writeString("Preference", "ConfirmQuit", "N");
  MainWindow& w = start();
  ASSERT_TRUE(w.session().game().underWay());
  EXPECT_TRUE(w.close());
  EXPECT_TRUE(boxes.asked.empty());
  EXPECT_FALSE(w.session().game().underWay());
  std::ifstream log(stats::ResultFiles::under(home.path()).log);
  std::string line;
  ASSERT_TRUE(std::getline(log, line));
  EXPECT_NE(line.find(w.settings().get(field::GameNumber)), std::string::npos);
  EXPECT_EQ(preferences().readString("Preference", "AutoPlay", ""), "N");
}

TEST_F(MainWindowTest, ClosingAsksTheExitQuestionAndWaitsForAnAnimation) {
  MainWindow& w = start();
  boxes.answers = {false};
  EXPECT_FALSE(w.close());
  ASSERT_EQ(boxes.asked.size(), 1u);
  EXPECT_EQ(boxes.asked[0], QStringLiteral("Exit Quilloro 98?"));
  EXPECT_TRUE(w.session().game().underWay());
  EXPECT_FALSE(w.quitRequested());

  // During an animation the close is put off, without a question, until the animation ends.
  w.setAnimationRunning(true);
  EXPECT_FALSE(w.close());
  EXPECT_TRUE(w.quitRequested());
  EXPECT_EQ(boxes.asked.size(), 1u);
  w.closeAfterAnimation();
  EXPECT_EQ(boxes.asked.size(), 1u);
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(w.session().game().underWay());
}

TEST_F(MainWindowTest, TableShowsDealtCardsOnTheGreenTable) {
  MainWindow& w = start();
  const QImage shot = w.table()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(shot.isNull());
  shot.save(QString::fromStdString((home / "table.png").string()));
  int light = 0;
  int green = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      const QColor c = shot.pixelColor(x, y);
      if (c.red() > 220 && c.green() > 220 && c.blue() > 220) ++light;
      if (c.green() > c.red() + 40 && c.green() > c.blue() + 40) ++green;
    }
  // A card face is 71 by 96 pixels, mostly white: several of them must show.
  EXPECT_GT(light, 4 * 71 * 96 / 2);
  EXPECT_GT(green, shot.width() * shot.height() / 4);
  EXPECT_EQ(w.table()->pointerShape(), 11);
  // Every pointer shape of the Resources folder is there, the dragging ones 10 above.
  for (const int id : {10, 11, 12, 13, 14, 20, 21, 22, 23, 24}) EXPECT_TRUE(w.table()->pointerShapes().has(id)) << id;
  w.table()->setDragging(true);
  EXPECT_EQ(w.table()->pointerShape(), 21);
  w.table()->setDragging(false);
  w.table()->setPointerShape(99);
  EXPECT_EQ(w.table()->pointerShape(), 11);
}

TEST_F(MainWindowTest, CommandsWithoutTheirWindowsAreGreyedOutUntilSupplied) {
  MainWindow& w = start();
  EXPECT_FALSE(w.action("mnuStatisticsDialog")->isEnabled());
  EXPECT_FALSE(w.largeToolbar()->button(ToolButton::Statistics)->isEnabled());
  EXPECT_FALSE(w.smallToolbar()->button(ToolButton::Statistics)->isEnabled());
  // A direct call without the window does nothing and says nothing.
  w.showStatistics();
  EXPECT_TRUE(boxes.shown.empty());
  bool opened = false;
  w.setDialog(WindowDialog::Statistics, [&opened] { opened = true; });
  EXPECT_TRUE(w.action("mnuStatisticsDialog")->isEnabled());
  EXPECT_TRUE(w.largeToolbar()->button(ToolButton::Statistics)->isEnabled());
  w.action("mnuStatisticsDialog")->trigger();
  EXPECT_TRUE(opened);
  EXPECT_TRUE(boxes.shown.empty());

  // The rules page of the game on the table, in the interface's language.
  w.showRules();
  ASSERT_NE(w.helpWindow(), nullptr);
  const auto game = static_cast<std::size_t>(w.settings().getInteger(field::Game).value_or(0));
  EXPECT_TRUE(w.helpWindow()->text().contains(QString::fromStdString(w.games().catalogue()[game].name())));
  EXPECT_FALSE(w.helpWindow()->text().contains(QStringLiteral("not installed")));
  EXPECT_EQ(w.helpWindow()->page().parent_path().filename(), "english");
}

TEST_F(MainWindowTest, AutoplayToggleKeepsMenuAndButtonsTogether) {
  MainWindow& w = start();
  if (!w.session().game().autoplayAvailable()) GTEST_SKIP() << "the first game has no autoplay";
  QAction* item = w.action("mnuAutoplay");
  EXPECT_FALSE(item->isChecked());
  w.toggleAutoplay();
  EXPECT_TRUE(w.session().game().autoplayOn());
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(w.smallToolbar()->button(ToolButton::Autoplay)->isChecked());
  EXPECT_TRUE(w.largeToolbar()->button(ToolButton::Autoplay)->isChecked());
  w.toggleAutoplay();
  EXPECT_FALSE(item->isChecked());
  EXPECT_FALSE(w.smallToolbar()->button(ToolButton::Autoplay)->isChecked());
}

}  // namespace
}  // namespace quilloro

int main(int argc, char** argv) {
  // The window tests run without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
