// Qt's own texts and the formats of dates in the program's language, from the translations that come with Qt.
#include "app/widgets/qt_texts.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/core/string_table.hpp"

namespace quilloro {

void useQtTexts(int languageBase) {
  static QTranslator* installed = nullptr;
  static int installedBase = kEnglishBase;
  if (installed != nullptr && installedBase == languageBase) return;
  if (installed != nullptr) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
  }
  installedBase = kEnglishBase;
  // Dates and numbers are written the way the language writes them.
  QLocale::setDefault(languageBase == kItalianBase ? QLocale(QLocale::Italian, QLocale::Italy) : QLocale::system());
  if (languageBase != kItalianBase) return;
  auto* translator = new QTranslator;
  if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return;
  }
  QCoreApplication::installTranslator(translator);
  installed = translator;
  installedBase = languageBase;
}

}  // namespace quilloro
