// The program icon reads its sizes from the PNG files each time it is drawn. Asked for any size at
// any pixel ratio, it must give what an icon holding every size decoded gives. The same for the
// menu bar's extension arrow, read from where Qt keeps it.
#include <QIcon>
#include <QImage>
#include <QStyleFactory>
#include <QStyleOption>
#include <gtest/gtest.h>
#include <memory>

#include "app/widgets/PluginFreeStyle.h"
#include "app/widgets/PngPixmap.h"

namespace mevrik::widgets {
namespace {

const QString kPattern = QStringLiteral(":/icons/mevrik-%1.png");
const QList<int> kSides = {16, 24, 32, 48, 64, 128, 256};

QIcon DecodedIcon() {
  QIcon icon;
  for (const int side : kSides) icon.addPixmap(PngPixmap(kPattern.arg(side)));
  return icon;
}

TEST(ProgramIconTest, DrawsWhatAnIconOfDecodedSizesDraws) {
  const QIcon read = PngIcon(kPattern, kSides);
  const QIcon decoded = DecodedIcon();
  ASSERT_FALSE(decoded.isNull());
  EXPECT_EQ(read.availableSizes(), decoded.availableSizes());
  const struct {
    QSize size;
    qreal ratio;
  } asked[] = {{{16, 16}, 1}, {{20, 20}, 1}, {{64, 64}, 1}, {{100, 60}, 1},
               {{300, 300}, 1}, {{32, 32}, 2}, {{200, 200}, 1.5}};
  for (const auto& [size, ratio] : asked) {
    SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height() << " at " << ratio);
    EXPECT_EQ(read.actualSize(size), decoded.actualSize(size));
    const QPixmap got = read.pixmap(size, ratio);
    const QPixmap want = decoded.pixmap(size, ratio);
    EXPECT_EQ(got.devicePixelRatio(), want.devicePixelRatio());
    EXPECT_EQ(got.toImage(), want.toImage());
  }
}

// The arrow's files are Qt's resources, whose paths a Qt release may change: each size and
// direction must still be found and be the common style's own arrow.
TEST(PluginFreeStyleTest, TheExtensionArrowIsTheStylesOwn) {
  const std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Fusion")));
  const PluginFreeStyle ours(QStyleFactory::create(QStringLiteral("Fusion")));
  for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
    QStyleOption option;
    option.direction = direction;
    const auto arrow = QStyle::SP_ToolBarHorizontalExtensionButton;
    const QIcon read = ours.standardIcon(arrow, &option, nullptr);
    const QIcon own = base->standardIcon(arrow, &option);
    ASSERT_EQ(read.availableSizes(), own.availableSizes()) << direction;
    for (const int side : {8, 16, 32}) {
      const QImage image = read.pixmap(side).toImage();
      ASSERT_FALSE(image.isNull()) << side;
      EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32),
                own.pixmap(side).toImage().convertToFormat(QImage::Format_ARGB32))
          << direction << " " << side;
    }
  }
}

}  // namespace
}  // namespace mevrik::widgets
