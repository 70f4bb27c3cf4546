#pragma once
// The about box: the program's name and version, what it is for, how to reach its maker, and
// the label that opens the configuration file in the program the system associates with it.
#include <QDialog>

namespace mevrik::platform {
class Shell;
}

namespace mevrik::main {

class AboutDialog : public QDialog {
  Q_OBJECT
public:
  // `shell` opens the configuration file at `configPath`.
  AboutDialog(const QString& versionText, platform::Shell& shell, QString configPath,
           QWidget* parent);

  // Opens the configuration file for editing.
  void onEditConfigDoubleClicked();

private:
  platform::Shell& shell_;
  QString configPath_;
};

}  // namespace mevrik::main
