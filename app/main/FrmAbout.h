#pragma once
// The about box: the program's name and version, what it is for, how to reach its maker, and
// the label that opens the configuration file in the program the system associates with it.
#include <QDialog>

namespace mevrik::app {

struct AppServices;

class FrmAbout : public QDialog {
  Q_OBJECT
public:
  FrmAbout(const QString& versionText, const AppServices& services, QWidget* parent);

  // Opens the configuration file for editing.
  void LabBJPZ_DblClick();

private:
  const AppServices& services_;
};

}  // namespace mevrik::app
