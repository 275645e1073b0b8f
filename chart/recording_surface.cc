#include "chart/recording_surface.h"

#include <cstdio>

namespace curvesmith::chart {
namespace {

using Code = Operation::Code;

std::string Colour(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(value));
  return text;
}

std::string Integers(const std::vector<int>& args, std::size_t first, std::size_t count) {
  std::string text;
  for (std::size_t i = first; i < first + count && i < args.size(); ++i) {
    text.push_back(' ');
    text.append(std::to_string(args[i]));
  }
  return text;
}

std::string_view CodeName(Code code) {
  switch (code) {
    case Code::kSetMapMode:
      return "SetMapMode";
    case Code::kSetWindowExt:
      return "SetWindowExt";
    case Code::kSetViewportExt:
      return "SetViewportExt";
    case Code::kCreateFont:
      return "CreateFont";
    case Code::kCreatePen:
      return "CreatePen";
    case Code::kCreateBrush:
      return "CreateBrush";
    case Code::kSelectObject:
      return "SelectObject";
    case Code::kDeleteObject:
      return "DeleteObject";
    case Code::kSetTextColor:
      return "SetTextColor";
    case Code::kSetBkMode:
      return "SetBkMode";
    case Code::kTextOut:
      return "TextOut";
    case Code::kMoveTo:
      return "MoveTo";
    case Code::kLineTo:
      return "LineTo";
    case Code::kEllipse:
      return "Ellipse";
    case Code::kPause:
      return "Pause";
  }
  return "";
}

// Index of the pitch-and-family argument among a font's numeric arguments,
// which the listing shows in hex as it is usually written.
constexpr std::size_t kPitchAndFamilyArg = 12;

Operation MakeOperation(Code code, std::vector<int> args, std::string object = {},
                        std::string text = {}) {
  Operation operation;
  operation.code = code;
  operation.args = std::move(args);
  operation.object = std::move(object);
  operation.text = std::move(text);
  return operation;
}

}  // namespace

std::string FormatOperation(const Operation& operation) {
  std::string line(CodeName(operation.code));
  const auto& args = operation.args;
  switch (operation.code) {
    case Code::kCreateFont: {
      char family[8];
      std::snprintf(family, sizeof family, "0x%02X",
                    static_cast<unsigned>(args[kPitchAndFamilyArg]));
      line += ' ' + operation.object + Integers(args, 0, kPitchAndFamilyArg) + ' ' + family +
              " \"" + operation.text + '"';
      break;
    }
    case Code::kCreatePen:
      line += ' ' + operation.object + (operation.style == PenStyle::kDot ? " dot" : " solid") +
              Integers(args, 0, 1) + ' ' + Colour(args[1]);
      break;
    case Code::kCreateBrush:
      line += ' ' + operation.object + ' ' + Colour(args[0]);
      break;
    case Code::kSelectObject:
    case Code::kDeleteObject:
      line += ' ' + operation.object;
      break;
    case Code::kSetTextColor:
      line += ' ' + Colour(args[0]);
      break;
    case Code::kTextOut:
      line += Integers(args, 0, 2) + " \"" + operation.text + '"';
      break;
    default:
      line += Integers(args, 0, args.size());
      break;
  }
  if (operation.failed) line += " failed";
  return line;
}

std::vector<std::string> RecordingSurface::Listing() const {
  std::vector<std::string> lines;
  lines.reserve(operations_.size());
  for (const Operation& operation : operations_) lines.push_back(FormatOperation(operation));
  return lines;
}

void RecordingSurface::Record(Operation operation) {
  if (sink_) {
    sink_(operation);
  } else {
    operations_.push_back(std::move(operation));
  }
}

std::optional<ObjectHandle> RecordingSurface::Create(Operation operation) {
  operation.failed = failing_.contains(operation.object);
  std::optional<ObjectHandle> object;
  if (!operation.failed) {
    object = ObjectHandle{next_id_++};
    names_.emplace(object->id, operation.object);
  }
  Record(std::move(operation));
  return object;
}

std::string RecordingSurface::NameOf(ObjectHandle object) const {
  const auto found = names_.find(object.id);
  if (found != names_.end()) return found->second;
  // An object this surface never created (or already deleted): its number.
  std::string unknown = std::to_string(object.id);
  unknown.insert(unknown.begin(), '#');
  return unknown;
}

void RecordingSurface::RecordPause(std::chrono::milliseconds length) {
  Record(MakeOperation(Code::kPause, {static_cast<int>(length.count())}));
}

void RecordingSurface::SetMapMode(int mode) {
  Record(MakeOperation(Code::kSetMapMode, {mode}));
}

void RecordingSurface::SetWindowExt(int width, int height) {
  Record(MakeOperation(Code::kSetWindowExt, {width, height}));
}

void RecordingSurface::SetViewportExt(int width, int height) {
  Record(MakeOperation(Code::kSetViewportExt, {width, height}));
}

std::optional<ObjectHandle> RecordingSurface::CreateFont(std::string_view name,
                                                         const FontRequest& request) {
  return Create(MakeOperation(
      Code::kCreateFont,
      {request.height, request.width, request.escapement, request.orientation, request.weight,
       request.italic, request.underline, request.strike_out, request.char_set,
       request.out_precision, request.clip_precision, request.quality, request.pitch_and_family},
      std::string(name), request.face_name));
}

std::optional<ObjectHandle> RecordingSurface::CreatePen(std::string_view name, PenStyle style,
                                                        int width, ColorRef color) {
  Operation operation =
      MakeOperation(Code::kCreatePen, {width, static_cast<int>(color)}, std::string(name));
  operation.style = style;
  return Create(std::move(operation));
}

std::optional<ObjectHandle> RecordingSurface::CreateSolidBrush(std::string_view name,
                                                               ColorRef color) {
  return Create(MakeOperation(Code::kCreateBrush, {static_cast<int>(color)}, std::string(name)));
}

void RecordingSurface::SelectObject(ObjectHandle object) {
  Record(MakeOperation(Code::kSelectObject, {}, NameOf(object)));
}

void RecordingSurface::DeleteObject(ObjectHandle object) {
  Record(MakeOperation(Code::kDeleteObject, {}, NameOf(object)));
  names_.erase(object.id);
}

void RecordingSurface::SetTextColor(ColorRef color) {
  Record(MakeOperation(Code::kSetTextColor, {static_cast<int>(color)}));
}

void RecordingSurface::SetBkMode(int mode) {
  Record(MakeOperation(Code::kSetBkMode, {mode}));
}

void RecordingSurface::TextOut(int x, int y, std::string_view text) {
  Record(MakeOperation(Code::kTextOut, {x, y}, {}, std::string(text)));
}

void RecordingSurface::MoveTo(int x, int y) {
  Record(MakeOperation(Code::kMoveTo, {x, y}));
}

void RecordingSurface::LineTo(int x, int y) {
  Record(MakeOperation(Code::kLineTo, {x, y}));
}

void RecordingSurface::Ellipse(int left, int top, int right, int bottom) {
  Record(MakeOperation(Code::kEllipse, {left, top, right, bottom}));
}

}  // namespace curvesmith::chart
