// The program icon reads its sizes from the PNG files each time it is drawn. Asked for any size at
// any pixel ratio, it must give what an icon holding every size decoded gives.
#include <QIcon>
#include <QImage>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace mevrik::widgets
