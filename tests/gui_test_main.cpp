// Entry point of every GUI test binary: one QApplication for all tests of the binary.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("MEVRIK_DRY_RUN", "1");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
  // Offscreen on Windows reads its fonts from one folder only, and Wine hands no QT_ variable on
  // from Linux: the Windows test run names the folder of the Linux tests' fonts here.
  if (const QByteArray fonts = qgetenv("MEVRIK_TEST_FONT_DIR"); !fonts.isEmpty())
    qputenv("QT_QPA_FONTDIR", fonts);
#endif
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
