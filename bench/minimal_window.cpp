// The floor of the start-up measurement: an empty Qt Widgets main window, built like Mevrik.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(556, 160);
  window.show();
  return app.exec();
}
