#ifndef CURVESMITH_APP_QT_TRANSLATIONS_H_
#define CURVESMITH_APP_QT_TRANSLATIONS_H_

#include <QLocale>

namespace curvesmith {

// Makes Qt's own texts (the buttons and labels of its file, print and
// message dialogs) speak `language`, from the translations installed with Qt
// (Debian: qt6-translations-l10n), in place of any loaded before. Returns
// false when Qt has none for it; Qt then speaks English, as it does for
// English itself. Call it after the QApplication is made.
bool InstallQtTranslations(QLocale::Language language);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_QT_TRANSLATIONS_H_
