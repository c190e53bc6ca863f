// The "Game won" dialog: totals, percentages, the pie colours and its buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include "app/selection/game_selection_pictures.hpp"
#include "app/selection/game_won_dialog.hpp"
#include "engine/game_won_summary.hpp"
#include "tests/app/selection/game_selection_test_support.hpp"
#include "stats/statistics_file.hpp"

namespace quilloro {
namespace {

using testing::SelectionSession;

struct ColourCount {
  int red = 0, green = 0, maroon = 0, darkGreen = 0;
};

ColourCount countColours(const QImage& image) {
  ColourCount count;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      if (qAlpha(c) == 0) continue;
      const QRgb rgb = c | 0xff000000u;
      if (rgb == qRgb(255, 0, 0)) ++count.red;
      if (rgb == qRgb(0, 255, 0)) ++count.green;
      if (rgb == qRgb(128, 0, 0)) ++count.maroon;
      if (rgb == qRgb(0, 128, 0)) ++count.darkGreen;
    }
  return count;
}

TEST(GameWonDialog, ShowsTotalsPercentagesAndTheLargerWonShareInGreen) {
  SelectionSession s;
  GameWonDialog dialog(s.context());
  dialog.showSummary(summariseTotals("Klondike", 3, 1));
  EXPECT_EQ(dialog.windowTitle(), "Game won");
  EXPECT_EQ(dialog.groupTitle(), "Total [Klondike]");
  EXPECT_EQ(dialog.labelTexts(), (QStringList{"Won:", "Lost:", "Total: ", "3", "1", "4", "(75%)", "(25%)"}));
  // The picture for 75 with the won share, the larger, in green.
  const ColourCount colours = countColours(dialog.chart().toImage());
  EXPECT_GT(colours.green, 2 * colours.red);
  EXPECT_GT(colours.darkGreen, colours.maroon);
  EXPECT_GT(colours.red, 0);

  dialog.showSummary(summariseTotals("Klondike", 1, 3));
  EXPECT_EQ(dialog.labelTexts().mid(6), (QStringList{"(25%)", "(75%)"}));
  const ColourCount lostLarger = countColours(dialog.chart().toImage());
  EXPECT_GT(lostLarger.red, 2 * lostLarger.green);
  // The same picture either way round: the two colourings mirror each other.
  EXPECT_EQ(lostLarger.red, colours.green);
  EXPECT_EQ(lostLarger.green, colours.red);
  EXPECT_EQ(lostLarger.maroon, colours.darkGreen);
  EXPECT_EQ(lostLarger.darkGreen, colours.maroon);
}

TEST(GameWonDialog, WithoutGamesThePercentagesStayEmptyAndTextsFollowTheLanguage) {
  SelectionSession s;
  s.settings.setInteger(field::Language, kItalianBase);
  GameWonDialog dialog(s.context());
  dialog.showSummary(summariseTotals("Spider", 0, 0));
  EXPECT_EQ(dialog.labelTexts(), (QStringList{"Vinte:", "Perse:", "Totale: ", "0", "0", "0", "", ""}));
  EXPECT_FALSE(dialog.chart().isNull());
}

TEST(PieColours, ExchangeIsSymmetricAndLeavesOtherColoursAlone) {
  QImage picture(6, 1, QImage::Format_ARGB32);
  const std::array<QRgb, 6> before{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(128, 0, 0),
                                   qRgb(0, 128, 0), qRgb(192, 192, 192), qRgb(0, 0, 0)};
  const std::array<QRgb, 6> after{qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(0, 128, 0),
                                  qRgb(128, 0, 0), qRgb(192, 192, 192), qRgb(0, 0, 0)};
  for (int x = 0; x < 6; ++x) picture.setPixel(x, 0, before[static_cast<std::size_t>(x)]);
  const QImage exchanged = exchangePieColours(picture);
  for (int x = 0; x < 6; ++x) EXPECT_EQ(exchanged.pixel(x, 0), after[static_cast<std::size_t>(x)]) << x;
  EXPECT_EQ(exchangePieColours(exchanged), picture.convertToFormat(QImage::Format_ARGB32));
}

TEST(GameWonDialog, StatisticsRefreshTheTotalsAndNewGameDealsAgain) {
  SelectionSession s;
  stats::StatisticsRecord record;
  record.won = 5;
  record.lost = 15;
  ASSERT_FALSE(stats::StatisticsFile(s.home / "DATA/STAT.DAT").write(0, "Tester", record));
  GameWonDialog dialog(s.context());
  dialog.showSummary(summariseTotals("Klondike", 3, 1));
  dialog.statisticsClicked();
  ASSERT_EQ(s.statistics.size(), 1u);
  EXPECT_EQ(s.statistics[0].second, "Tester");
  EXPECT_EQ(dialog.labelTexts().mid(3), (QStringList{"5", "15", "20", "(25%)", "(75%)"}));

  QSignalSpy started(&dialog, &GameWonDialog::gameStarted);
  QSignalSpy cleared(&dialog, &GameWonDialog::closedWithoutGame);
  dialog.newGameClicked();
  EXPECT_EQ(started.count(), 1);
  EXPECT_EQ(cleared.count(), 0);
  EXPECT_TRUE(s.session.game().underWay());
  EXPECT_EQ(s.settings.get(field::GameNumber).size(), 13u);
}

TEST(GameWonDialog, OpenAGameComesBackWhenNoGameWasStartedAndCancelClearsTheTable) {
  SelectionSession s;
  GameWonDialog dialog(s.context());
  QSignalSpy cleared(&dialog, &GameWonDialog::closedWithoutGame);
  int asked = 0;
  dialog.setOpenCatalogue([&] {
    ++asked;
    return false;
  });
  dialog.openGameClicked();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(cleared.count(), 0);
  dialog.reject();
  EXPECT_EQ(cleared.count(), 1);

  dialog.setSelectNumber([&] { return !s.session.newGame({.deal = true, .newNumber = true}); });
  QSignalSpy started(&dialog, &GameWonDialog::gameStarted);
  dialog.selectGameClicked();
  EXPECT_EQ(started.count(), 1);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(cleared.count(), 1);
}

TEST(GameWonDialog, ShownModallyItComesBackAfterTheCatalogueStartedNothing) {
  SelectionSession s;
  GameWonDialog dialog(s.context());
  bool shownAgain = false;
  dialog.setOpenCatalogue([&] {
    QTimer::singleShot(0, [&] {
      shownAgain = QApplication::activeModalWidget() == &dialog;
      dialog.findChild<QPushButton*>("cancel")->click();
    });
    return false;
  });
  QTimer::singleShot(0, [&] { dialog.findChild<QPushButton*>("openGame")->click(); });
  EXPECT_EQ(dialog.showModal(summariseTotals("Klondike", 1, 0)), QDialog::Rejected);
  EXPECT_TRUE(shownAgain);
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace quilloro
