// The floor of the start-up measurement: an empty Qt Widgets main window, built like Mevrik.
// With --chinese it shows one line of Chinese text in the Simplified Chinese font, which is
// the part of Mevrik's start-up that any Chinese window pays.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  if (QApplication::arguments().contains(QStringLiteral("--chinese"))) {
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Noto Sans CJK SC")});
    QApplication::setFont(font);
    window.setCentralWidget(new QLabel(QStringLiteral("计算式 结果 确定")));
  }
  window.resize(556, 160);
  window.show();
  return app.exec();
}
