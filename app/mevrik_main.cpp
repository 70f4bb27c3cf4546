// The window program. Being built: for now an empty main window.
#include <QApplication>
#include <QMainWindow>

#include "app/AppVersion.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Mevrik " + mevrik::app::VersionText());
  window.show();
  return app.exec();
}
