#ifndef CURVESMITH_APP_EXPORT_COMMANDS_H_
#define CURVESMITH_APP_EXPORT_COMMANDS_H_

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

#include "engine/run_state.h"

class QWidget;

namespace curvesmith {

class CCurvesmithView;
class CommandActions;

// The File menu's exports: the chart as a PNG at 1, 2 or 4 times its size on
// screen; the last run as CSV (every individual, or the best per generation)
// or JSON, in the formats of `curvesmith-cli run --output`; the replay as an
// animated GIF at 1, 2, 5 or 20 times its pace.
//
// Each asks for a file, then writes it atomically: a failure leaves no
// partial file and an existing one intact, and is shown with its reason; a
// success is reported with the file's name. A destination that cannot be
// written is refused before any work. Work that takes longer than half a
// second shows a progress dialog whose Cancel leaves no file; while it works
// the window takes no input, and closing it cancels the work. The commands
// are disabled until the view has made a run.
//
// With ｴｸｽﾎﾟｰﾄ > 画像に設定を書き込む checked (kept in the settings), the PNG
// and GIF pictures carry a line under the chart with the run's settings and
// seed, as `curvesmith-cli render --caption` draws it.
class ExportCommands : public QObject {
  Q_OBJECT

 public:
  struct Result {
    bool written = false;
    QString problem;  // why nothing was written; empty when cancelled
  };

  // REQUIRES: everything outlives the commands.
  ExportCommands(QWidget* window, CommandActions& actions, CCurvesmithView& view,
                 const RunState& state);

  // Replaces the save dialog (tests name the file themselves). It is given a
  // suggested file name and a filter and returns the chosen path, or an
  // empty one to cancel.
  void SetFileChooser(std::function<QString(const QString&, const QString&)> chooser);

  // Writes the export of `command` to `path` without asking.
  Result Export(int command, const QString& path);

 signals:
  void Warning(const QString& message);
  // What the status bar says after a command: the file written, or nothing
  // (an earlier report no longer holds).
  void Reported(const QString& message);

 private:
  void OnCommand(int command);
  void UpdateEnabled();
  // The caption line for a picture `width` device pixels wide, or none.
  QImage CaptionStrip(int width, int scale) const;
  // Runs `work` with a progress dialog that appears if it takes long; its
  // result, or nothing when Cancel was pressed.
  template <typename Work>
  auto WithProgress(Work&& work);

  QWidget* window_;
  CommandActions& actions_;
  CCurvesmithView& view_;
  const RunState& state_;
  std::function<QString(const QString&, const QString&)> chooser_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_APP_EXPORT_COMMANDS_H_
