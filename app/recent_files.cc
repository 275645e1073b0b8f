#include "app/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "app/resource_text.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

const QString kSettingsGroup = "Recent File List";
const QString kEntryKey = "File%1";

// The same file named two ways counts once.
QString Normalised(const QString& path) {
  return QFileInfo(path).absoluteFilePath();
}

// "&1 name" for a file in the current directory, "&1 /full/path" otherwise;
// ampersands in the path are doubled so they are not taken as mnemonics.
QString EntryText(int index, const QString& path) {
  const QFileInfo info(path);
  const QString shown = info.absolutePath() == QDir::currentPath()
                            ? info.fileName()
                            : QDir::toNativeSeparators(info.absoluteFilePath());
  return QStringLiteral("&%1 %2").arg(index + 1).arg(QString(shown).replace("&", "&&"));
}

}  // namespace

RecentFiles::RecentFiles(QMenu* menu, QAction* placeholder)
    : QObject(menu), placeholder_(placeholder) {
  for (int i = 0; i < kCapacity; ++i) {
    auto* entry = new QAction(this);
    entry->setData(res::kIdFileMruFirst + i);
    entry->setStatusTip(PromptOf(res::kIdFileMruFirst + i));
    menu->insertAction(placeholder_, entry);
    connect(entry, &QAction::triggered, this, [this, i] {
      if (i < files_.size()) emit OpenRequested(files_[i]);
    });
    entries_.append(entry);
  }
  Load();
  UpdateMenu();
}

void RecentFiles::Add(const QString& path) {
  const QString normalised = Normalised(path);
  files_.removeAll(normalised);
  files_.prepend(normalised);
  while (files_.size() > kCapacity) files_.removeLast();
  Save();
  UpdateMenu();
}

void RecentFiles::Remove(const QString& path) {
  files_.removeAll(Normalised(path));
  Save();
  UpdateMenu();
}

void RecentFiles::Load() {
  QSettings settings(kSettingsOrganisation, kSettingsApplication);
  settings.beginGroup(kSettingsGroup);
  for (int i = 0; i < kCapacity; ++i) {
    const QString path = settings.value(kEntryKey.arg(i + 1)).toString();
    if (!path.isEmpty() && !files_.contains(Normalised(path))) files_.append(Normalised(path));
  }
}

void RecentFiles::Save() const {
  QSettings settings(kSettingsOrganisation, kSettingsApplication);
  settings.beginGroup(kSettingsGroup);
  for (int i = 0; i < kCapacity; ++i) {
    if (i < files_.size()) {
      settings.setValue(kEntryKey.arg(i + 1), files_[i]);
    } else {
      settings.remove(kEntryKey.arg(i + 1));
    }
  }
}

void RecentFiles::UpdateMenu() {
  for (int i = 0; i < kCapacity; ++i) {
    const bool used = i < files_.size();
    entries_[i]->setVisible(used);
    entries_[i]->setText(used ? EntryText(i, files_[i]) : QString());
  }
  placeholder_->setVisible(files_.isEmpty());
  placeholder_->setEnabled(false);
}

}  // namespace curvesmith
