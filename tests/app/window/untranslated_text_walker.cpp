// Walks a window's widgets and checks every text they show against the Italian words.
#include "tests/app/window/untranslated_text_walker.hpp"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QWidget>
#include <algorithm>
#include <fstream>
#include <string>

namespace quilloro::testing {

namespace {

// Rows of a list or table looked at: enough to see every kind of cell.
constexpr int kRowsLooked = 60;

// A piece of a text that is an address, a file name or a number pattern, not a word of a language.
bool isAddress(const QString& token) {
  return token.contains(QLatin1Char('@')) || token.contains(QLatin1String("://")) ||
         token.contains(QRegularExpression(QStringLiteral("[A-Za-z0-9]\\.[A-Za-z]")));
}

QString plain(const QString& text) {
  QString shown = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
  // A menu caption: the shortcut after the tab is the key's own name.
  const qsizetype tab = shown.indexOf(QLatin1Char('\t'));
  if (tab >= 0) shown.truncate(tab);
  return shown.remove(QLatin1Char('&'));
}

QString describe(const QObject* object) {
  QString path;
  for (const QObject* o = object; o != nullptr; o = o->parent()) {
    QString name = o->objectName();
    if (name.isEmpty()) name = QString::fromLatin1(o->metaObject()->className());
    path = path.isEmpty() ? name : name + QLatin1Char('/') + path;
    if (o->isWidgetType() && static_cast<const QWidget*>(o)->isWindow()) break;
  }
  return path;
}

class Walk {
 public:
  explicit Walk(const ItalianWords& words) : words_(words) {}

  void check(const QString& where, const QString& text) { found_ << untranslatedText(where, text, words_); }

  void actions(const QString& where, const QList<QAction*>& list) {
    for (QAction* action : list) {
      if (action->isSeparator()) continue;
      check(where + QStringLiteral(" action ") + action->objectName(), action->text());
      if (QMenu* menu = action->menu()) {
        if (seen_.contains(menu)) continue;
        seen_.insert(menu);
        check(where + QStringLiteral(" menu ") + menu->objectName(), menu->title());
        actions(where + QLatin1Char('/') + menu->objectName(), menu->actions());
      }
    }
  }

  void model(const QString& where, const QAbstractItemModel* model) {
    if (model == nullptr) return;
    for (int column = 0; column < model->columnCount(); ++column)
      check(where + QStringLiteral(" heading"), model->headerData(column, Qt::Horizontal).toString());
    rows(where, model, QModelIndex());
  }

  void rows(const QString& where, const QAbstractItemModel* model, const QModelIndex& parent) {
    const int count = std::min(model->rowCount(parent), kRowsLooked);
    for (int row = 0; row < count; ++row)
      for (int column = 0; column < model->columnCount(parent); ++column) {
        const QModelIndex index = model->index(row, column, parent);
        check(where, model->data(index, Qt::DisplayRole).toString());
        check(where + QStringLiteral(" hint"), model->data(index, Qt::ToolTipRole).toString());
        if (column == 0 && model->hasChildren(index)) rows(where, model, index);
      }
  }

  void widget(QWidget* w) {
    if (seen_.contains(w)) return;
    seen_.insert(w);
    const QString where = describe(w);
    if (w->isWindow()) check(where + QStringLiteral(" title"), w->windowTitle());
    check(where + QStringLiteral(" hint"), w->toolTip());
    if (auto* label = qobject_cast<QLabel*>(w)) check(where, label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) check(where, button->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) check(where, group->title());
    if (auto* edit = qobject_cast<QLineEdit*>(w)) check(where + QStringLiteral(" placeholder"), edit->placeholderText());
    if (auto* combo = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < combo->count(); ++i) check(where + QStringLiteral(" item"), combo->itemText(i));
    if (auto* tabs = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < tabs->count(); ++i) check(where + QStringLiteral(" tab"), tabs->tabText(i));
    if (auto* view = qobject_cast<QAbstractItemView*>(w)) model(where, view->model());
    if (auto* menu = qobject_cast<QMenu*>(w)) check(where + QStringLiteral(" menu"), menu->title());
    actions(where, w->actions());
    // A page of help is text to read, written in its own language folder.
    if (qobject_cast<QTextBrowser*>(w) != nullptr) return;
    for (QObject* child : w->children())
      if (child->isWidgetType()) widget(static_cast<QWidget*>(child));
  }

  QStringList found() const { return found_; }

 private:
  const ItalianWords& words_;
  QSet<const QObject*> seen_;
  QStringList found_;
};

std::string unescaped(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char next = text[++i];
      out += next == 'n' ? ' ' : next == 't' ? ' ' : next;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

ItalianWords::ItalianWords(const std::filesystem::path& italianFolder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(italianFolder, error)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream file(entry.path());
    std::string line;
    while (std::getline(file, line)) {
      if (line.empty() || line[0] == '#') continue;
      const std::size_t tab = line.find('\t');
      if (tab != std::string::npos) allow(QString::fromStdString(unescaped(line.substr(tab + 1))));
    }
  }
}

void ItalianWords::allow(const QString& text) {
  static const QRegularExpression letters(QStringLiteral("[^\\p{L}]+"));
  for (const QString& word : plain(text).split(letters, Qt::SkipEmptyParts)) words_.insert(word.toLower());
}

QStringList ItalianWords::unknownWords(const QString& text) const {
  static const QRegularExpression spaces(QStringLiteral("\\s+"));
  static const QRegularExpression letters(QStringLiteral("[^\\p{L}]+"));
  QStringList unknown;
  for (const QString& token : plain(text).split(spaces, Qt::SkipEmptyParts)) {
    if (isAddress(token)) continue;
    for (const QString& word : token.split(letters, Qt::SkipEmptyParts))
      if (word.size() > 1 && !knows(word) && !unknown.contains(word)) unknown << word;
  }
  return unknown;
}

QStringList untranslatedTexts(QWidget* root, const ItalianWords& words) {
  Walk walk(words);
  walk.widget(root);
  return walk.found();
}

QStringList untranslatedText(const QString& where, const QString& text, const ItalianWords& words) {
  if (text.trimmed().isEmpty()) return {};
  const QStringList unknown = words.unknownWords(text);
  if (unknown.isEmpty()) return {};
  return {where + QStringLiteral(": \"") + plain(text) + QStringLiteral("\" [") + unknown.join(QLatin1Char(' ')) +
          QLatin1Char(']')};
}

}  // namespace quilloro::testing
