#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace curvesmith {
namespace {

// Names the one translator of Qt's texts among the application's children.
constexpr char kTranslatorName[] = "QtTranslations";

}  // namespace

bool InstallQtTranslations(QLocale::Language language) {
  QCoreApplication* application = QCoreApplication::instance();
  if (auto* earlier =
          application->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
    // A translator deleted is uninstalled.
    delete earlier;
  }
  auto* translator = new QTranslator(application);
  translator->setObjectName(kTranslatorName);
  // "qt" is the catalogue that gathers all of Qt's modules for a language.
  if (!translator->load(QLocale(language), "qt", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}

}  // namespace curvesmith
