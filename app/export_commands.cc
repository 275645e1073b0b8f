#include "app/export_commands.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QProgressDialog>
#include <QSettings>
#include <algorithm>
#include <sstream>

#include "app/chart_area_widget.h"
#include "app/command_actions.h"
#include "app/curvesmith_view.h"
#include "app/file_dialog_folders.h"
#include "app/regular_file.h"
#include "app/replay_player.h"
#include "app/resource_text.h"
#include "chart/qt/chart_caption.h"
#include "chart/qt/png_bytes.h"
#include "chart/qt/replay_gif.h"
#include "report/run_report.h"
#include "res/qt/chart_area_size.h"
#include "res/qt/chart_caption_text.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

enum class Format { kPng, kHistoryCsv, kBestCsv, kJson, kGif };

struct ExportCommand {
  int command;
  Format format;
  const char* suggested_name;
  int scale;  // device pixels per pixel of a picture
  int speed;  // a replay's pace
};

constexpr ExportCommand kExportCommands[] = {
    // command, format, suggested name, scale, speed
    {res::kIdExportChartPng1x, Format::kPng, "curvesmith.png", 1, 1},
    {res::kIdExportChartPng2x, Format::kPng, "curvesmith@2x.png", 2, 1},
    {res::kIdExportChartPng4x, Format::kPng, "curvesmith@4x.png", 4, 1},
    {res::kIdExportHistoryCsv, Format::kHistoryCsv, "curvesmith-history.csv", 1, 1},
    {res::kIdExportBestCsv, Format::kBestCsv, "curvesmith-best.csv", 1, 1},
    {res::kIdExportJson, Format::kJson, "curvesmith.json", 1, 1},
    {res::kIdExportGif1x, Format::kGif, "curvesmith.gif", 1, 1},
    {res::kIdExportGif2x, Format::kGif, "curvesmith-x2.gif", 1, 2},
    {res::kIdExportGif5x, Format::kGif, "curvesmith-x5.gif", 1, 5},
    {res::kIdExportGif20x, Format::kGif, "curvesmith-x20.gif", 1, 20},
};

// A progress dialog appears only for work that outlasts this.
constexpr int kProgressDelayMs = 500;

// Whether pictures carry their run's settings.
constexpr char kCaptionKey[] = "Export/Caption";

const ExportCommand* Find(int command) {
  const auto found = std::find_if(std::begin(kExportCommands), std::end(kExportCommands),
                                  [&](const ExportCommand& c) { return c.command == command; });
  return found == std::end(kExportCommands) ? nullptr : found;
}

QString FilterOf(Format format) {
  switch (format) {
    case Format::kPng:
      return LoadText(res::kIdsExportFilterPng);
    case Format::kHistoryCsv:
    case Format::kBestCsv:
      return LoadText(res::kIdsExportFilterCsv);
    case Format::kJson:
      return LoadText(res::kIdsExportFilterJson);
    case Format::kGif:
      return LoadText(res::kIdsExportFilterGif);
  }
  return {};
}

// Each format's dialogs start in the folder where the last file of that
// format was chosen.
QString FolderKindOf(Format format) {
  switch (format) {
    case Format::kPng:
      return QStringLiteral("Png");
    case Format::kHistoryCsv:
    case Format::kBestCsv:
      return QStringLiteral("Csv");
    case Format::kJson:
      return QStringLiteral("Json");
    case Format::kGif:
      return QStringLiteral("Gif");
  }
  return {};
}

template <typename Write>
QByteArray Report(Write&& write) {
  std::ostringstream out;
  write(out);
  const std::string text = std::move(out).str();
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ExportCommands::ExportCommands(QWidget* window, CommandActions& actions, CCurvesmithView& view,
                               const RunState& state)
    : QObject(window), window_(window), actions_(actions), view_(view), state_(state) {
  chooser_ = [this](const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(window_, QString(), suggested, filter);
  };
  for (const ExportCommand& command : kExportCommands) {
    connect(actions_.Action(command.command), &QAction::triggered, this,
            [this, id = command.command] { OnCommand(id); });
  }
  connect(&view_.Player(), &ReplayPlayer::RunReplaced, this, &ExportCommands::UpdateEnabled);
  UpdateEnabled();

  QAction* caption = actions_.Action(res::kIdExportCaption);
  caption->setCheckable(true);
  caption->setChecked(QSettings().value(kCaptionKey, false).toBool());
  connect(caption, &QAction::toggled, this,
          [](bool checked) { QSettings().setValue(kCaptionKey, checked); });
}

QImage ExportCommands::CaptionStrip(int width, int scale) const {
  if (!actions_.Action(res::kIdExportCaption)->isChecked()) return QImage();
  return chart::CaptionStrip(ChartCaptionText(state_, view_.LastSeed().value_or(0)), width, scale);
}

void ExportCommands::SetFileChooser(
    std::function<QString(const QString&, const QString&)> chooser) {
  chooser_ = std::move(chooser);
}

void ExportCommands::UpdateEnabled() {
  for (const ExportCommand& command : kExportCommands) {
    actions_.Action(command.command)->setEnabled(view_.Player().HasRun());
  }
}

void ExportCommands::OnCommand(int command) {
  const ExportCommand* what = Find(command);
  const QString kind = FolderKindOf(what->format);
  const QString path =
      chooser_(InLastFolder(kind, QString::fromUtf8(what->suggested_name)), FilterOf(what->format));
  RememberFolder(kind, path);
  const Result result = path.isEmpty() ? Result{} : Export(command, path);
  // The report of an earlier export goes, whatever became of this one.
  emit Reported(result.written ? LoadText(res::kIdsExportDone).arg(QDir::toNativeSeparators(path))
                               : QString());
  if (!result.problem.isEmpty()) emit Warning(result.problem);
}

template <typename Work>
auto ExportCommands::WithProgress(Work&& work) {
  QProgressDialog dialog(LoadText(res::kIdsExportProgress), LoadText(res::kIdsExportCancel), 0, 1,
                         window_);
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(kProgressDelayMs);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  auto result = work([&dialog](int done, int total) {
    dialog.setMaximum(total);
    dialog.setValue(done);
    return !dialog.wasCanceled();
  });
  // A Cancel pressed as the work ended still cancels.
  return dialog.wasCanceled() ? std::nullopt : std::make_optional(std::move(result));
}

ExportCommands::Result ExportCommands::Export(int command, const QString& path) {
  const ExportCommand* what = Find(command);
  if (what == nullptr || !view_.Player().HasRun()) return {};
  const QString file = QDir::toNativeSeparators(path);
  const auto failure = [&](const QString& reason) {
    return Result{false, LoadText(res::kIdsExportFailed).arg(file, KeptFileNote(path), reason)};
  };
  // Refused before the work, which can take long.
  if (const auto reason = CheckWritable(path)) return failure(*reason);
  QByteArray bytes;
  switch (what->format) {
    case Format::kPng: {
      const ChartAreaWidget* chart = view_.ChartArea();
      QImage image;
      // The picture on screen already has the scale asked for: take it as it is.
      if (chart->ImageScale() == what->scale) {
        image = chart->Image();
      } else {
        const auto rendered = WithProgress(
            [&](const auto& progress) { return chart->Render(what->scale, progress); });
        // Rendering stops only when cancelled.
        if (!rendered || !*rendered) return {};
        image = **rendered;
      }
      const QImage strip = CaptionStrip(image.width(), what->scale);
      bytes = chart::PngBytes(strip.isNull() ? image : chart::WithCaption(image, strip));
      break;
    }
    case Format::kHistoryCsv:
      bytes = Report([&](std::ostream& out) { report::WriteHistoryCsv(out, state_); });
      break;
    case Format::kBestCsv:
      bytes = Report([&](std::ostream& out) { report::WriteBestCsv(out, state_); });
      break;
    case Format::kJson:
      bytes = Report(
          [&](std::ostream& out) { report::WriteJson(out, state_, view_.LastSeed().value_or(0)); });
      break;
    case Format::kGif: {
      const QSize size = ChartAreaPixelSize(kDesignDpi);
      const auto gif = WithProgress([&](const auto& progress) {
        return chart::EncodeReplayGif(state_, size, what->speed, progress,
                                      CaptionStrip(size.width(), 1));
      });
      if (!gif) return {};
      if (*gif) bytes = QByteArray((*gif)->data(), static_cast<qsizetype>((*gif)->size()));
      break;
    }
  }
  if (bytes.isEmpty()) return failure(LoadText(res::kIdsExportEncodeFailed));
  if (const auto reason = WriteFileAtomically(path, bytes)) return failure(*reason);
  return {true, {}};
}

}  // namespace curvesmith
