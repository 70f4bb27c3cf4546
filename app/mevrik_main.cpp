// The window program: a second start hands over to the running copy; the first opens the main
// window.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

#include "app/AppServices.h"
#include "app/CommandLineHelp.h"
#include "app/DesktopIdentity.h"
#include "app/config/ConfigLocation.h"
#include "app/config/RWini.h"
#include "app/main/ChineseLook.h"
#include "app/main/FrmMain.h"
#include "platform/Clock.h"
#include "platform/QtAlwaysOnTop.h"
#include "platform/FixedLinks.h"
#include "platform/QtClipboard.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtInstanceChannel.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtShell.h"
#include "platform/SystemShutdown.h"

namespace {

// Ends the process at once: no window runs its closing steps.
[[noreturn]] void EndProgram() { std::quick_exit(0); }

}  // namespace

int main(int argc, char** argv) {
  if (mevrik::app::AsksForHelp(argc, argv)) return mevrik::app::PrintHelp(argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Mevrik"));
  mevrik::app::ApplyChineseLook(app);
  mevrik::app::ApplyDesktopIdentity();

  // Before anything reads or writes the configuration file. Copies with different
  // configuration folders are different installations and do not meet.
  const QString folder = mevrik::config::ConfigFolder(QApplication::arguments());
  mevrik::platform::QtInstanceChannel channel(folder);
  mevrik::app::FrmMain* window = nullptr;
  if (!channel.listen([&window](const QString& command) {
        if (window) window->Form_LinkExecute(command);
      })) {
    if (channel.send(QStringLiteral("Normal"))) return 0;
    std::fprintf(stderr, "Mevrik: 已有一个副本在运行，但它没有应答。\n");
    return 1;
  }
  // A folder named with --config-dir, or the user's configuration folder, is made when it does
  // not exist yet; the program's own folder always exists.
  QDir().mkpath(folder);

  mevrik::platform::QtMessageBoxes boxes;
  mevrik::platform::SystemClock clock;
  mevrik::platform::QtShell shell;
  mevrik::platform::QtClipboard clipboard;
  mevrik::platform::QtAlwaysOnTop top;
  mevrik::platform::SystemShutdown shutdown;
  mevrik::platform::QtFileDialogs fileDialogs;
  const mevrik::platform::FixedLinks fixedLinks;
  mevrik::config::RWini ini(mevrik::config::ConfigPathIn(folder), boxes, EndProgram);
  const mevrik::app::AppServices services{.boxes = &boxes,
                                          .clock = &clock,
                                          .shell = &shell,
                                          .shutdown = &shutdown,
                                          .config = &ini,
                                          .clipboard = &clipboard,
                                          .top = &top,
                                          .fileDialogs = &fileDialogs,
                                          .fixedLinks = &fixedLinks};

  mevrik::app::FrmMain main(services, [] { QCoreApplication::exit(0); });
  window = &main;
  if (!main.Form_Load()) return 0;
  main.show();
  return app.exec();
}
