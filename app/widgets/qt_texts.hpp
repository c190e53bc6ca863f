// Qt's own texts (the standard buttons of message boxes, file dialogs, edit menus) in the program's language.
#pragma once

namespace quilloro {

// Installs Qt's translation of the language whose base is given, or removes
// it for English, and makes the language's way of writing dates the default.
// A missing translation leaves Qt's English texts.
void useQtTexts(int languageBase);

}  // namespace quilloro
