// The select-number dialog: the checks of the typed number, the recent
// numbers offered, and the deal of the chosen number.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/selection/select_number_dialog.hpp"
#include "tests/app/selection/game_selection_test_support.hpp"

namespace quilloro {
namespace {

using testing::SelectionSession;
using Verdict = GameNumberCheck::Verdict;

TEST(GameNumberText, IsCheckedForLengthDigitsAndZero) {
  const GameNumberCheck deal = checkGameNumberText("12345");
  EXPECT_EQ(deal.verdict, Verdict::Deal);
  EXPECT_EQ(deal.number, "0000000012345");
  EXPECT_EQ(checkGameNumberText("9999999999999").number, "9999999999999");
  EXPECT_EQ(checkGameNumberText("0000000000001").number, "0000000000001");
  for (const char* nothing : {"", "0", "000", "0000000000000"})
    EXPECT_EQ(checkGameNumberText(nothing).verdict, Verdict::Nothing) << nothing;
  for (const char* letters : {"12a45", " 123", "-5", "1.5"}) {
    const GameNumberCheck check = checkGameNumberText(letters);
    EXPECT_EQ(check.verdict, Verdict::NotDigits) << letters;
    EXPECT_STREQ(check.message, "Only numbers required.");
  }
  // The length is checked first, even for text that is not a number.
  for (const char* tooLong : {"12345678901234", "1234567890123x"}) {
    const GameNumberCheck check = checkGameNumberText(tooLong);
    EXPECT_EQ(check.verdict, Verdict::TooLong);
    EXPECT_STREQ(check.message, "From 1 up to 13 ciphers.");
  }
}

TEST(SelectNumberDialog, OffersTheRecentNumbersAndTheCurrentOne) {
  SelectionSession s;
  testing::writeFile(s.home / "DATA/CFG.DAT",
                     "[Game_Numbers]\nGame002=0000000000022\nGame001=0000000000011\nGame003=\nGame005=55\n");
  s.settings.set(field::GameNumber, "0000000004711");
  SelectNumberDialog dialog(s.context());
  QComboBox* numbers = dialog.numbers();
  ASSERT_EQ(numbers->count(), 3);
  EXPECT_EQ(numbers->itemText(0), "0000000000011");
  EXPECT_EQ(numbers->itemText(1), "0000000000022");
  EXPECT_EQ(numbers->itemText(2), "55");
  EXPECT_EQ(numbers->currentText(), "0000000004711");
  EXPECT_EQ(numbers->lineEdit()->maxLength(), 13);
  EXPECT_EQ(dialog.windowTitle(), "Select a game");
}

TEST(SelectNumberDialog, DealsTheNumberOrExplainsWhatIsWrong) {
  SelectionSession s;
  SelectNumberDialog dialog(s.context());
  dialog.numbers()->setEditText("12a4");
  dialog.okClicked();
  dialog.numbers()->setEditText("000");
  dialog.okClicked();
  EXPECT_EQ(s.infos, std::vector<QString>{"Only numbers required."});
  EXPECT_FALSE(dialog.dealt());
  EXPECT_FALSE(s.session.game().underWay());

  dialog.numbers()->setEditText("12345");
  dialog.okClicked();
  EXPECT_TRUE(dialog.dealt());
  EXPECT_TRUE(s.session.game().underWay());
  EXPECT_EQ(s.settings.get(field::GameNumber), "0000000012345");
  EXPECT_EQ(s.preference("Game_Numbers", "Game001"), "0000000012345");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// The field shows the longest number whole, and every label its whole text, in both languages.
TEST(SelectNumberDialog, NoTextAndNoNumberIsCutInEitherLanguage) {
  for (const int language : {kEnglishBase, kItalianBase}) {
    SelectionSession s;
    s.settings.setInteger(field::Language, language);
    SelectNumberDialog dialog(s.context());
    dialog.numbers()->setEditText(QStringLiteral("9999999999999"));
    dialog.show();
    QApplication::processEvents();
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
      const QString shown = QString(label->text()).remove('&');
      EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(shown))
          << language << ": " << shown.toStdString();
    }
    const QLineEdit* field = dialog.numbers()->lineEdit();
    EXPECT_GE(field->width(), field->fontMetrics().horizontalAdvance(field->text()) + 4) << language;
    // The range label stands beside the field, not over it.
    const QLabel* range = dialog.findChild<QLabel*>(QStringLiteral("range"));
    ASSERT_NE(range, nullptr);
    EXPECT_GE(range->mapTo(&dialog, QPoint(0, 0)).x(),
              dialog.numbers()->mapTo(&dialog, QPoint(dialog.numbers()->width(), 0)).x());
    EXPECT_GE(dialog.width(), 253);
    EXPECT_GE(dialog.height(), 124);
  }
}

TEST(SelectNumberDialog, SpeaksItalianWhenTheSettingsSaySo) {
  SelectionSession s;
  s.settings.setInteger(field::Language, kItalianBase);
  SelectNumberDialog dialog(s.context());
  EXPECT_EQ(dialog.windowTitle(), "Scegli una partita");
  EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("prompt"))->text(), "Inserisci il numero della partita:");
  dialog.numbers()->setEditText("12a4");
  dialog.okClicked();
  EXPECT_EQ(s.infos, (std::vector<QString>{"Sono ammesse solo cifre."}));
}

TEST(SelectNumberDialog, ARefusedAbandonKeepsTheGameInProgress) {
  SelectionSession s;
  ASSERT_FALSE(s.session.newGame({.deal = true, .newNumber = true}));
  const std::string number = s.settings.get(field::GameNumber);
  s.observer.answer = false;
  SelectNumberDialog dialog(s.context());
  dialog.numbers()->setEditText("777");
  dialog.okClicked();
  EXPECT_FALSE(dialog.dealt());
  EXPECT_EQ(s.observer.questions, std::vector<std::string>{"Quit this game?"});
  EXPECT_EQ(s.settings.get(field::GameNumber), number);
  EXPECT_TRUE(s.session.game().underWay());
}

}  // namespace
}  // namespace quilloro
