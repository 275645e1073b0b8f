#ifndef CURVESMITH_CHART_QT_GIF_WRITER_H_
#define CURVESMITH_CHART_QT_GIF_WRITER_H_

#include <QImage>
#include <QSize>
#include <memory>
#include <optional>
#include <string>

namespace curvesmith::chart {

// An animated GIF built in memory with giflib: a looping animation of
// pictures of one size, each shown for its own delay.
//
// The palette is fixed: the chart's own colours exactly, then a colour cube
// and a grey ramp for whatever else a picture holds (antialiased text), each
// such colour taken to its nearest entry. After the first picture each one is
// stored as the rectangle that changed since the one before, with its
// unchanged pixels transparent and left in place beneath, so an animation of
// small changes stays small.
class GifWriter {
 public:
  explicit GifWriter(QSize size);
  ~GifWriter();

  GifWriter(const GifWriter&) = delete;
  GifWriter& operator=(const GifWriter&) = delete;

  // Adds `picture` (of the writer's size) shown for `delay_centiseconds`.
  // False when giflib fails. The writer keeps the picture to compare the next
  // one with.
  bool Add(QImage picture, int delay_centiseconds);

  // The buffer of a picture the writer no longer needs, to draw another one
  // into without allocating; a null image when there is none.
  QImage TakeSpare();

  // Ends the file and returns its bytes; nothing when giflib failed.
  std::optional<std::string> Finish();

 private:
  struct Gif;

  bool Start();
  bool WriteFrame(const QRect& rect, const QImage& picture, int delay_centiseconds,
                  bool transparent_unchanged);

  QSize size_;
  std::unique_ptr<Gif> gif_;
  std::string bytes_;
  QImage previous_;
  QImage spare_;
  bool first_ = true;
  bool failed_ = false;
};

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_QT_GIF_WRITER_H_
