#include "app/interface_language.h"

#include <QAction>
#include <QActionGroup>
#include <QLocale>
#include <QSettings>
#include <QString>

#include "app/command_actions.h"
#include "app/qt_translations.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

constexpr char kLanguageKey[] = "Interface/Language";

// The View menu's item of each language, in column order.
constexpr int kLanguageCommands[] = {res::kIdViewLanguageJapanese, res::kIdViewLanguageEnglish};
static_assert(std::size(kLanguageCommands) == res::kLanguageCount);

QString CodeOf(res::Language language) {
  const std::string_view code = res::LanguageCode(language);
  return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

}  // namespace

res::Language SavedLanguage() {
  const QString code = QSettings().value(kLanguageKey).toString();
  return res::LanguageOfCode(code.toStdString()).value_or(res::Language::kJapanese);
}

void StartInLanguage(res::Language language) {
  res::SetInterfaceLanguage(language);
  InstallQtTranslations(QLocale(CodeOf(language)).language());
}

void BindLanguageChoice(CommandActions& actions) {
  auto* group = new QActionGroup(&actions);
  const res::Language saved = SavedLanguage();
  for (const res::Language language : res::Languages()) {
    QAction* action = actions.Action(kLanguageCommands[static_cast<int>(language)]);
    action->setCheckable(true);
    action->setChecked(language == saved);
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, &actions,
                     [language] { QSettings().setValue(kLanguageKey, CodeOf(language)); });
  }
}

}  // namespace curvesmith
