#include "chart/qt/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>
#include <vector>

#include "chart/chart_colours.h"

namespace curvesmith::chart {
namespace {

// The greys of a control's sunken edge (light, shadow, dark shadow), which
// pictures of the window's chart area carry round the chart.
constexpr QRgb kEdgeGreys[] = {0x808080, 0x404040, 0xD4D0C8};

// Taken exactly: the chart's own colours, then the edge greys (RGB).
constexpr auto kExactColours = [] {
  std::array<QRgb, std::size(kChartColours) + std::size(kEdgeGreys)> colours{};
  std::size_t i = 0;
  for (const ColorRef colour : kChartColours) {
    colours[i++] = static_cast<QRgb>(RedOf(colour) << 16 | GreenOf(colour) << 8 | BlueOf(colour));
  }
  for (const QRgb grey : kEdgeGreys) colours[i++] = grey;
  return colours;
}();
constexpr int kExactCount = static_cast<int>(kExactColours.size());
// Then a 6 x 6 x 6 colour cube and a ramp of greys; the last entry marks
// the pixels a picture leaves as they were.
constexpr int kCubeLevels = 6;
constexpr int kCubeStep = 51;
constexpr int kCubeFirst = kExactCount;
constexpr int kGreyFirst = kCubeFirst + kCubeLevels * kCubeLevels * kCubeLevels;
constexpr int kGreyLevels = 16;
constexpr int kPaletteSize = 256;
constexpr int kTransparent = kPaletteSize - 1;
static_assert(kGreyFirst + kGreyLevels <= kTransparent);

constexpr int kColourResolution = 8;

int Level(int channel) {
  return (channel + kCubeStep / 2) / kCubeStep;
}

int GreyValue(int level) {
  return level * 255 / (kGreyLevels - 1);
}

// The palette entry a colour is drawn with: exact where the palette has it,
// otherwise the nearer of its cube cell and its grey.
GifByteType IndexOf(QRgb colour) {
  const QRgb rgb = colour & 0xFFFFFF;
  for (int i = 0; i < kExactCount; ++i) {
    if (kExactColours[i] == rgb) return static_cast<GifByteType>(i);
  }
  const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
  const int cube_r = Level(r) * kCubeStep, cube_g = Level(g) * kCubeStep,
            cube_b = Level(b) * kCubeStep;
  const int grey_level = ((r + g + b) / 3 * (kGreyLevels - 1) + 127) / 255;
  const int grey = GreyValue(grey_level);
  const auto distance = [&](int pr, int pg, int pb) {
    return (r - pr) * (r - pr) + (g - pg) * (g - pg) + (b - pb) * (b - pb);
  };
  if (distance(grey, grey, grey) < distance(cube_r, cube_g, cube_b)) {
    return static_cast<GifByteType>(kGreyFirst + grey_level);
  }
  return static_cast<GifByteType>(kCubeFirst + (Level(r) * kCubeLevels + Level(g)) * kCubeLevels +
                                  Level(b));
}

std::array<GifColorType, kPaletteSize> Palette() {
  std::array<GifColorType, kPaletteSize> palette{};
  const auto set = [&](int index, int r, int g, int b) {
    palette[index] = GifColorType{static_cast<GifByteType>(r), static_cast<GifByteType>(g),
                                  static_cast<GifByteType>(b)};
  };
  for (int i = 0; i < kExactCount; ++i) {
    set(i, qRed(kExactColours[i]), qGreen(kExactColours[i]), qBlue(kExactColours[i]));
  }
  for (int i = 0; i < kCubeLevels * kCubeLevels * kCubeLevels; ++i) {
    set(kCubeFirst + i, i / (kCubeLevels * kCubeLevels) * kCubeStep,
        i / kCubeLevels % kCubeLevels * kCubeStep, i % kCubeLevels * kCubeStep);
  }
  for (int i = 0; i < kGreyLevels; ++i)
    set(kGreyFirst + i, GreyValue(i), GreyValue(i), GreyValue(i));
  return palette;
}

// Maps colours to palette entries, remembering the answers: a picture has
// few colours and many pixels.
class ColourIndex {
 public:
  GifByteType operator()(QRgb colour) {
    if (colour == last_colour_) return last_index_;
    const auto found = std::find(colours_.begin(), colours_.end(), colour);
    GifByteType index;
    if (found != colours_.end()) {
      index = indices_[static_cast<std::size_t>(found - colours_.begin())];
    } else {
      index = IndexOf(colour);
      colours_.push_back(colour);
      indices_.push_back(index);
    }
    last_colour_ = colour;
    last_index_ = index;
    return index;
  }

 private:
  std::vector<QRgb> colours_;
  std::vector<GifByteType> indices_;
  QRgb last_colour_ = 0;
  GifByteType last_index_ = IndexOf(0);
};

int AppendBytes(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<std::string*>(gif->UserData)
      ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
  return length;
}

const QRgb* Row(const QImage& image, int y) {
  return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

// The smallest rectangle holding every pixel that differs between two
// pictures of one size; empty when none does.
QRect ChangedRect(const QImage& before, const QImage& after) {
  const int width = after.width();
  const std::size_t row_bytes = static_cast<std::size_t>(width) * sizeof(QRgb);
  int top = -1, bottom = -1, left = width, right = -1;
  for (int y = 0; y < after.height(); ++y) {
    const QRgb* a = Row(before, y);
    const QRgb* b = Row(after, y);
    if (std::memcmp(a, b, row_bytes) == 0) continue;
    if (top < 0) top = y;
    bottom = y;
    int x = 0;
    while (a[x] == b[x]) ++x;
    left = std::min(left, x);
    x = width - 1;
    while (a[x] == b[x]) --x;
    right = std::max(right, x);
  }
  if (top < 0) return {};
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

struct GifWriter::Gif {
  GifFileType* file = nullptr;
  ColourIndex colour_index;
  std::vector<GifByteType> line;
};

GifWriter::GifWriter(QSize size) : size_(size), gif_(std::make_unique<Gif>()) {
  failed_ = !Start();
}

GifWriter::~GifWriter() {
  if (gif_->file) EGifCloseFile(gif_->file, nullptr);
}

bool GifWriter::Start() {
  int error = 0;
  gif_->file = EGifOpen(&bytes_, AppendBytes, &error);
  if (gif_->file == nullptr) return false;
  EGifSetGifVersion(gif_->file, true);
  auto palette = Palette();
  ColorMapObject* map = GifMakeMapObject(kPaletteSize, palette.data());
  if (map == nullptr) return false;
  const int written =
      EGifPutScreenDesc(gif_->file, size_.width(), size_.height(), kColourResolution, 0, map);
  GifFreeMapObject(map);
  if (written != GIF_OK) return false;
  // Loop for ever: the NETSCAPE2.0 application block, repeat count 0.
  static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  static const GifByteType kLoopForever[] = {1, 0, 0};
  return EGifPutExtensionLeader(gif_->file, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif_->file, sizeof kApplication, kApplication) == GIF_OK &&
         EGifPutExtensionBlock(gif_->file, sizeof kLoopForever, kLoopForever) == GIF_OK &&
         EGifPutExtensionTrailer(gif_->file) == GIF_OK;
}

bool GifWriter::Add(QImage picture, int delay_centiseconds) {
  if (failed_) return false;
  if (picture.format() != QImage::Format_RGB32) {
    picture = picture.convertToFormat(QImage::Format_RGB32);
  }
  if (first_) {
    failed_ = !WriteFrame(picture.rect(), picture, delay_centiseconds, false);
    first_ = false;
  } else {
    QRect changed = ChangedRect(previous_, picture);
    // A picture that changes nothing still needs its frame for its delay.
    if (changed.isEmpty()) changed = QRect(0, 0, 1, 1);
    failed_ = !WriteFrame(changed, picture, delay_centiseconds, true);
  }
  spare_ = std::exchange(previous_, std::move(picture));
  return !failed_;
}

QImage GifWriter::TakeSpare() {
  return std::exchange(spare_, QImage());
}

bool GifWriter::WriteFrame(const QRect& rect, const QImage& picture, int delay_centiseconds,
                           bool transparent_unchanged) {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = delay_centiseconds;
  control.TransparentColor = transparent_unchanged ? kTransparent : NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const std::size_t length = EGifGCBToExtension(&control, extension);
  if (EGifPutExtension(gif_->file, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) !=
          GIF_OK ||
      EGifPutImageDesc(gif_->file, rect.left(), rect.top(), rect.width(), rect.height(), false,
                       nullptr) != GIF_OK) {
    return false;
  }
  gif_->line.resize(static_cast<std::size_t>(rect.width()));
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    const QRgb* now = Row(picture, y) + rect.left();
    const QRgb* before = transparent_unchanged ? Row(previous_, y) + rect.left() : nullptr;
    for (int x = 0; x < rect.width(); ++x) {
      gif_->line[static_cast<std::size_t>(x)] =
          before && before[x] == now[x] ? kTransparent : gif_->colour_index(now[x]);
    }
    if (EGifPutLine(gif_->file, gif_->line.data(), rect.width()) != GIF_OK) return false;
  }
  return true;
}

std::optional<std::string> GifWriter::Finish() {
  if (failed_ || gif_->file == nullptr) return std::nullopt;
  const int closed = EGifCloseFile(gif_->file, nullptr);
  gif_->file = nullptr;
  if (closed != GIF_OK) return std::nullopt;
  return std::move(bytes_);
}

}  // namespace curvesmith::chart
