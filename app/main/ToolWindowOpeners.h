#pragma once
// The main window's openers of the three tool windows, each shown modeless and created once for
// as long as it stays open: pipeItem (pipe), shutdownItem (scheduled shutdown, whose check mark the
// window sets) and sectionHolesItems(0..2) (connection holes for a section kind). Keeps the program-wide
// selected section kind.
#include <QObject>
#include <QPointer>

#include "app/tools/ConnectionHoleOpener.h"
#include "app/tools/ShutdownWindow.h"
#include "app/tools/PipeWindow.h"

namespace mevrik::main {

struct MainMenus;

class ToolWindowOpeners : public QObject {
public:
  // `owner` (the main window) keeps the tool windows with it and ends them with it; it also
  // owns this object. The shutdown window's services are all that the three windows use.
  ToolWindowOpeners(tools::ShutdownWindowServices services, MainMenus& menus, QWidget* owner);

  void onPipeChosen();
  void onShutdownChosen();
  void onSectionHolesChosen(int index);
  // The program is ending: each open window keeps its inputs as its own closing would.
  void SaveOpenWindows();
  // The standard label of the weight panel for I-beams, channels and angles (kinds 7, 8, 9)
  // opens the window for section kind 0, 1 or 2 in the same way.
  void OpenConnectionHoles(int sectionKind) { holes_.open(sectionKind); }

  tools::ConnectionHoleOpener& ConnectionHoles() { return holes_; }
  tools::PipeWindow* PipeWindow() const { return pipe_; }
  tools::ShutdownWindow* ShutdownWindow() const { return shutdown_; }

private:
  tools::ShutdownWindowServices services_;
  MainMenus& m_;
  QWidget* owner_;
  tools::ConnectionHoleOpener holes_;
  QPointer<tools::PipeWindow> pipe_;
  QPointer<tools::ShutdownWindow> shutdown_;
};

}  // namespace mevrik::main
