#ifndef CURVESMITH_APP_INTERFACE_LANGUAGE_H_
#define CURVESMITH_APP_INTERFACE_LANGUAGE_H_

#include "res/language.h"

namespace curvesmith {

class CommandActions;

// The language kept in the settings for the program's start; Japanese when
// none or an unknown one is kept.
res::Language SavedLanguage();

// Makes the interface speak `language` from here on: the string table's
// column and Qt's own dialogs. Call it once, before any window is made.
void StartInLanguage(res::Language language);

// Ties the View menu's language items to the settings: the kept language is
// checked, and choosing one keeps it for the next start.
void BindLanguageChoice(CommandActions& actions);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_INTERFACE_LANGUAGE_H_
