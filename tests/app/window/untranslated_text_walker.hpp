// Finds the texts of a window that are not in the Italian texts: every caption, label, button, hint,
// list, tree, table heading and menu item, word by word.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <filesystem>

class QAction;
class QWidget;

namespace quilloro::testing {

// The words a shown text may use: those of the Italian string table and the names allowed in both
// languages (game names, player names, words spelled alike).
class ItalianWords {
 public:
  // Reads every "*.txt" of folder (offset, tab, text per line).
  explicit ItalianWords(const std::filesystem::path& italianFolder);
  void allow(const QString& text);
  bool knows(const QString& word) const { return words_.contains(word.toLower()); }
  // The words of text that are neither Italian nor allowed; empty when text passes.
  QStringList unknownWords(const QString& text) const;

 private:
  QSet<QString> words_;
};

// Every text shown by root and the widgets inside it (hidden ones included, so that
// a page or a menu not opened yet is seen too), described as "where: text [words]".
QStringList untranslatedTexts(QWidget* root, const ItalianWords& words);
// The same for a text not shown by a widget (a message box, a painted caption).
QStringList untranslatedText(const QString& where, const QString& text, const ItalianWords& words);

}  // namespace quilloro::testing
