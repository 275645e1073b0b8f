#ifndef CURVESMITH_APP_RECENT_FILES_H_
#define CURVESMITH_APP_RECENT_FILES_H_

#include <QAction>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;

namespace curvesmith {

// Where the program keeps its settings (QSettings organisation and
// application names).
inline constexpr const char* kSettingsOrganisation = "Local AppWizard-Generated Applications";
inline constexpr const char* kSettingsApplication = "Curvesmith";

// The recent-file list: the four files last opened or saved, newest first,
// kept in the settings across runs, and shown in the File menu in place of
// its greyed "最近使ったﾌｧｲﾙ" item while the list is empty.
class RecentFiles : public QObject {
  Q_OBJECT

 public:
  static constexpr int kCapacity = 4;

  // `placeholder` is the File menu's recent-file item; the entries take its
  // place in `menu`. Reads the list from the settings.
  RecentFiles(QMenu* menu, QAction* placeholder);

  QStringList Files() const { return files_; }

  // Puts `path` at the top (moving it there if listed already), drops the
  // oldest beyond four, and saves the list.
  void Add(const QString& path);

  // Takes `path` off the list, e.g. after it failed to open, and saves.
  void Remove(const QString& path);

  // The menu entries, one per command id from the first recent-file id on.
  const QList<QAction*>& Entries() const { return entries_; }

 signals:
  void OpenRequested(const QString& path);

 private:
  void Load();
  void Save() const;
  void UpdateMenu();

  QAction* placeholder_;
  QList<QAction*> entries_;
  QStringList files_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_RECENT_FILES_H_
