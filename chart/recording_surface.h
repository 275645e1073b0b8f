#ifndef CURVESMITH_CHART_RECORDING_SURFACE_H_
#define CURVESMITH_CHART_RECORDING_SURFACE_H_

#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "chart/surface.h"

namespace curvesmith::chart {

// One recorded operation. `args` holds the integer arguments in call order
// (for fonts the thirteen numeric arguments, for pens the width then the
// colour); `text` holds the text of TextOut and the face name of a font;
// `object` names the object created, selected or deleted.
struct Operation {
  enum class Code {
    kSetMapMode,
    kSetWindowExt,
    kSetViewportExt,
    kCreateFont,
    kCreatePen,
    kCreateBrush,
    kSelectObject,
    kDeleteObject,
    kSetTextColor,
    kSetBkMode,
    kTextOut,
    kMoveTo,
    kLineTo,
    kEllipse,
    kPause,
  };
  Code code = Code::kPause;
  std::vector<int> args;
  std::string object;
  std::string text;
  PenStyle style = PenStyle::kSolid;
  // A creation that failed: the surface returned no object.
  bool failed = false;
};

// One line of the operation listing, e.g. `LineTo 1500 900`,
// `CreatePen GridPen dot 1 0x800000`, `TextOut 985 950 "X"`. Integers in
// decimal, colours as 0x and six hex digits BBGGRR, texts in double quotes
// as they are (UTF-8). A failed creation ends in ` failed`.
std::string FormatOperation(const Operation& operation);

// A Surface that draws nothing and records every operation in order, either
// keeping them (operations()) or handing each to a sink as it happens (for
// listings too long to keep). Pauses are not surface operations; whoever
// drives the paint records them with RecordPause so that listings show them.
class RecordingSurface : public Surface {
 public:
  using Sink = std::function<void(const Operation&)>;

  RecordingSurface() = default;
  explicit RecordingSurface(Sink sink) : sink_(std::move(sink)) {}

  const std::vector<Operation>& operations() const { return operations_; }
  // The operations as listing lines.
  std::vector<std::string> Listing() const;

  // Creation of the object called `name` fails from now on.
  void FailCreationOf(std::string_view name) { failing_.emplace(name); }
  // Objects created and not yet deleted.
  int LiveObjects() const { return static_cast<int>(names_.size()); }

  void RecordPause(std::chrono::milliseconds length);

  void SetMapMode(int mode) override;
  void SetWindowExt(int width, int height) override;
  void SetViewportExt(int width, int height) override;
  std::optional<ObjectHandle> CreateFont(std::string_view name,
                                         const FontRequest& request) override;
  std::optional<ObjectHandle> CreatePen(std::string_view name, PenStyle style, int width,
                                        ColorRef color) override;
  std::optional<ObjectHandle> CreateSolidBrush(std::string_view name, ColorRef color) override;
  void SelectObject(ObjectHandle object) override;
  void DeleteObject(ObjectHandle object) override;
  void SetTextColor(ColorRef color) override;
  void SetBkMode(int mode) override;
  void TextOut(int x, int y, std::string_view text) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Ellipse(int left, int top, int right, int bottom) override;

 private:
  void Record(Operation operation);
  std::optional<ObjectHandle> Create(Operation operation);
  std::string NameOf(ObjectHandle object) const;

  Sink sink_;
  std::vector<Operation> operations_;
  std::set<std::string, std::less<>> failing_;
  std::map<int, std::string> names_;
  int next_id_ = 1;
};

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_RECORDING_SURFACE_H_
