#include "cli/render_command.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "chart/chart_painter.h"
#include "chart/fitted_curve.h"
#include "chart/qt/chart_caption.h"
#include "chart/qt/chart_picture.h"
#include "chart/qt/png_bytes.h"
#include "chart/qt/replay_gif.h"
#include "chart/recording_surface.h"
#include "cli/algorithm_options.h"
#include "cli/exact_numbers.h"
#include "cli/file_output.h"
#include "cli/shown_text.h"
#include "engine/evolution.h"
#include "res/language.h"
#include "res/qt/chart_area_size.h"
#include "res/qt/chart_caption_text.h"

namespace curvesmith::cli {

OptionHelps RenderCommandOptionHelps() {
  return {
      {"--frame F", "base, final (default) or a generation G from 0 to generations - 1"},
      {"--out FILE.png", "the image file to write"},
      {"--scale K", "device pixels per pixel, 1 to 8 (default 1)"},
      {"--ops", "list the drawing operations instead of writing an image"},
      {"--gif FILE.gif", "write the whole replay as a looping animated GIF instead"},
      {"--speed K", "the GIF's pace: 1 (the replay's own), 2, 5 or 20 (default 1)"},
      {"--caption", "a line under the chart with the run's settings and seed"},
      {"--language ja|en", "the captions' language, as the window's exports in it (default ja)"},
  };
}

namespace {

constexpr int kMaxScale = 8;

struct RenderOptions {
  RunOptions run;
  RunAlgorithm algorithm;
  chart::ChartPosition frame = chart::ChartPosition::Final();
  bool frame_given = false;
  std::optional<std::string> out;
  std::optional<std::string> gif;
  int speed = 1;
  bool speed_given = false;
  int scale = 1;
  bool ops = false;
  bool caption = false;
  res::Language language = res::Language::kJapanese;
};

// A generation's picture is the first pause of its replay frame.
chart::ChartPosition ParseFrame(std::string_view text) {
  if (text == "base") return chart::ChartPosition::Base();
  if (text == "final") return chart::ChartPosition::Final();
  int generation = 0;
  if (!ReadNumber(text, generation) || generation < 0) {
    Refuse("--frame", "base, final or a generation number", text);
  }
  return chart::ChartPosition::Generation(generation);
}

bool IsGenerationFrame(const chart::ChartPosition& frame) {
  return frame.replay && frame.phase == chart::ReplayPhase::kMarkersShown;
}

std::string FileNameOf(std::string_view option, Arguments& arguments) {
  const std::string_view file = arguments.ValueOf(option);
  if (file.empty()) Refuse(option, "a file name", file);
  return std::string(file);
}

RenderOptions ParseOptions(Arguments& arguments) {
  RenderOptions options;
  AlgorithmOptions algorithm_options;
  while (!arguments.Done()) {
    const std::string_view option = arguments.NextOption();
    if (TakeRunOption(option, arguments, options.run)) continue;
    if (TakeAlgorithmOption(option, arguments, algorithm_options)) continue;
    if (option == "--frame") {
      options.frame = ParseFrame(arguments.ValueOf(option));
      options.frame_given = true;
    } else if (option == "--out") {
      options.out = FileNameOf(option, arguments);
    } else if (option == "--scale") {
      const std::string_view text = arguments.ValueOf(option);
      if (!ReadNumber(text, options.scale) || options.scale < 1 || options.scale > kMaxScale) {
        Refuse(option, "a whole number from 1 to " + std::to_string(kMaxScale), text);
      }
    } else if (option == "--gif") {
      options.gif = FileNameOf(option, arguments);
    } else if (option == "--speed") {
      const std::string_view text = arguments.ValueOf(option);
      const auto& speeds = chart::kReplayGifSpeeds;
      if (!ReadNumber(text, options.speed) ||
          std::find(std::begin(speeds), std::end(speeds), options.speed) == std::end(speeds)) {
        Refuse(option, "1, 2, 5 or 20", text);
      }
      options.speed_given = true;
    } else if (option == "--ops") {
      options.ops = true;
    } else if (option == "--caption") {
      options.caption = true;
    } else if (option == "--language") {
      const std::string_view text = arguments.ValueOf(option);
      const std::optional<res::Language> language = res::LanguageOfCode(text);
      if (!language) Refuse(option, "ja or en", text);
      options.language = *language;
    } else {
      throw UsageError("unknown option " + Shown(option) + " for render (see --help)");
    }
  }
  CheckRunOptions(options.run);
  if (algorithm_options.formula && options.caption) {
    throw UsageError("--caption names the built-in curves only: leave it out with --formula");
  }
  options.algorithm = CheckAlgorithmOptions(algorithm_options, options.run.parameters);
  if (options.ops && options.out) {
    throw UsageError("--ops lists the operations instead of an image: leave out --out");
  }
  if (options.gif && (options.ops || options.out)) {
    throw UsageError("--gif writes the replay instead of one picture: leave out --out and --ops");
  }
  if (!options.ops && !options.out && !options.gif) {
    throw UsageError("render needs --out FILE.png, --gif FILE.gif or --ops");
  }
  if (options.speed_given && !options.gif) throw UsageError("--speed is the pace of --gif");
  if (options.caption && options.ops) {
    throw UsageError("--caption writes under a picture: leave out --ops");
  }
  if (options.gif && options.frame_given) {
    throw UsageError("--gif writes every picture of the replay: leave out --frame");
  }
  return options;
}

// The generation asked for must have a replay frame in this run.
void CheckFrame(const chart::ChartPosition& frame, const RunState& state) {
  if (!IsGenerationFrame(frame) || frame.generation < state.Generation) return;
  Refuse("--frame",
         state.Generation == 0
             ? "base or final for a run without replay frames"
             : "base, final or a generation from 0 to " + std::to_string(state.Generation - 1),
         std::to_string(frame.generation));
}

// Plays the paint step by step up to the chosen picture: the end of the
// paint, or the chosen generation's first pause. `on_pause` sees every pause
// reached.
template <typename OnPause>
void PaintUpTo(chart::ChartPainter& painter, const chart::ChartPosition& frame,
               OnPause&& on_pause) {
  while (const auto pause = painter.Step()) {
    on_pause(*pause);
    if (IsGenerationFrame(frame) && painter.ReplayGeneration() == frame.generation &&
        painter.Phase() == frame.phase) {
      return;
    }
  }
}

int ListOperations(RunState& state, const chart::ChartPosition& frame,
                   const chart::FittedCurve* fitted, std::ostream& out) {
  bool listing = true;
  chart::RecordingSurface surface([&](const chart::Operation& operation) {
    if (listing) out << chart::FormatOperation(operation) << '\n';
  });
  {
    // Every step is listed: the replay starts at its beginning.
    chart::ChartPainter painter(
        surface, state,
        frame.replay ? chart::ChartPosition::Generation(0) : chart::ChartPosition::Base(), nullptr,
        fitted);
    PaintUpTo(painter, frame, [&](std::chrono::milliseconds pause) { surface.RecordPause(pause); });
    // A paint stopped at a pause is abandoned here; its clean-up is not part
    // of the picture listed.
    listing = false;
  }
  return 0;
}

// Fonts need a GUI application; without a display the offscreen platform
// serves. Qt's own notes about its environment ("XDG_RUNTIME_DIR not set")
// are not the tool's messages: stderr holds only what the tool says.
std::unique_ptr<QGuiApplication> StartGuiApplication() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  static int argc = 1;
  static char name[] = "curvesmith-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// Written whole, beside the target, and renamed over it only when complete.
int WriteOutput(const std::string& path, std::string_view bytes, std::ostream& err) {
  const std::string failure = WriteFileContents(path, bytes);
  if (failure.empty()) return 0;
  err << "curvesmith-cli: cannot write " << ShownPath(path) << ": " << failure << "\n";
  return 1;
}

// The caption line for a picture `width` device pixels wide, or none.
QImage CaptionStripOf(const RunState& state, const RenderOptions& options, std::uint32_t seed,
                      int width, int scale) {
  if (!options.caption) return QImage();
  return chart::CaptionStrip(ChartCaptionText(state, seed, options.algorithm.algorithm), width,
                             scale);
}

int WriteGif(const RunState& state, const RenderOptions& options, const chart::FittedCurve* fitted,
             std::uint32_t seed, std::ostream& err) {
  const auto application = StartGuiApplication();
  const QSize size = ChartAreaPixelSize(kDesignDpi);
  const auto gif =
      chart::EncodeReplayGif(state, size, options.speed, nullptr,
                             CaptionStripOf(state, options, seed, size.width(), 1), fitted);
  if (!gif) {
    err << "curvesmith-cli: cannot write " << ShownPath(*options.gif)
        << ": the replay could not be encoded as GIF\n";
    return 1;
  }
  return WriteOutput(*options.gif, *gif, err);
}

int WriteImage(const RunState& state, const RenderOptions& options,
               const chart::FittedCurve* fitted, std::uint32_t seed, std::ostream& err) {
  const auto application = StartGuiApplication();
  const QSize size = ChartAreaPixelSize(kDesignDpi) * options.scale;
  QImage image =
      chart::ChartPictureAt(state, options.frame, chart::WhiteCanvas(size), options.scale, fitted);
  if (options.caption) {
    image = chart::WithCaption(image,
                               CaptionStripOf(state, options, seed, image.width(), options.scale));
  }
  const QByteArray png = chart::PngBytes(image);
  if (png.isEmpty()) {
    err << "curvesmith-cli: cannot write " << ShownPath(*options.out)
        << ": the image could not be encoded as PNG\n";
    return 1;
  }
  return WriteOutput(*options.out, std::string_view(png.constData(), png.size()), err);
}

}  // namespace

int RunRenderCommand(Arguments& arguments, std::ostream& out, std::ostream& err) {
  RenderOptions options = ParseOptions(arguments);
  // The chart's captions are read from the string table in this language.
  res::SetInterfaceLanguage(options.language);

  // The run state is large (about 16 MB): it lives on the heap, zeroed as at
  // program start.
  const auto state = std::make_unique<RunState>();
  const std::uint32_t seed = SeedOf(options.run);
  RunEvolution(*state, options.run.parameters, seed, options.algorithm.algorithm,
               options.algorithm.curve());
  CheckFrame(options.frame, *state);

  // A formula's chart: the trace is the formula's value at every trace point.
  std::optional<chart::FittedCurve> fitted;
  if (auto& formula = options.algorithm.formula) {
    fitted = chart::FitCurve(formula->table(), [&](double x) { return formula->ValueAt(x); });
  }
  const chart::FittedCurve* curve = fitted ? &*fitted : nullptr;
  if (options.ops) return ListOperations(*state, options.frame, curve, out);
  if (options.gif) return WriteGif(*state, options, curve, seed, err);
  return WriteImage(*state, options, curve, seed, err);
}

}  // namespace curvesmith::cli
