#include "app/config/RWini.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/config/ConfigLocation.h"
#include "platform/RuntimeError.h"
#include "RecordingBoxes.h"

using namespace mevrik;
using namespace Qt::StringLiterals;

namespace {

class RWiniTest : public ::testing::Test {
protected:
  QByteArray FileBytes() const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  void SetFileBytes(const QByteArray& bytes) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QTemporaryDir folder;
  QString path = config::ConfigPathIn(folder.path());
  fakes::RecordingBoxes boxes;
  int endings = 0;
  config::RWini ini{path, boxes, [this] { ++endings; }};
};

TEST_F(RWiniTest, MissingFileGetsEveryDefaultWrittenBack) {
  EXPECT_EQ(ini.GetIniN(u"链接"_s, u"数量"_s, 0), 0);
  EXPECT_EQ(ini.GetIniS(u"标准代号"_s, u"地脚螺栓"_s, u"GB/T 799-2020"_s), u"GB/T 799-2020"_s);
  EXPECT_EQ(ini.GetIniN(u"计算式"_s, u"记录"_s, 1), 1);
  EXPECT_EQ(FileBytes(),
            QStringLiteral(u"[链接]\r\n数量=0\r\n[标准代号]\r\n地脚螺栓=GB/T 799-2020\r\n"
                           u"[计算式]\r\n记录=1\r\n").toUtf8());
}

}  // namespace
