#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "res/resource_ids.h"
#include "res/tool_bar.h"

namespace curvesmith::res {
namespace {

QImage Load(const QString& path) {
  QImage image(path);
  EXPECT_FALSE(image.isNull()) << path.toStdString();
  return image;
}

TEST(ImagesTest, EveryToolBarButtonHasItsImageAtBothDensities) {
  for (const ToolBarButton& button : ToolBar()) {
    if (button.command == kIdSeparator) continue;
    const QString base = QStringLiteral(":/curvesmith/toolbar/%1").arg(button.image);
    EXPECT_EQ(Load(base + ".png").size(), QSize(kToolBarImageWidth, kToolBarImageHeight));
    EXPECT_EQ(Load(base + "@2x.png").size(),
              QSize(2 * kToolBarImageWidth, 2 * kToolBarImageHeight));
  }
}

TEST(ImagesTest, IconsComeInBothSizesAndDensities) {
  for (int icon : {kIdrMainFrame, kIdrDocumentIcon}) {
    for (int size : {16, 32}) {
      const QString base = QStringLiteral(":/curvesmith/icons/icon%1_%2").arg(icon).arg(size);
      EXPECT_EQ(Load(base + ".png").size(), QSize(size, size));
      EXPECT_EQ(Load(base + "@2x.png").size(), QSize(2 * size, 2 * size));
    }
  }
}

TEST(ImagesTest, ImagesHaveTransparentBackgrounds) {
  // A tool-bar image must not paint a box over the bar's own background.
  const QImage image = Load(":/curvesmith/toolbar/cut.png");
  EXPECT_TRUE(image.hasAlphaChannel());
  EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

}  // namespace
}  // namespace curvesmith::res
