// The window program: a second start hands over to the running copy; the first opens the main
// window.
#include <QApplication>
#include <QDir>
#include <cstdlib>

#include "app/AppServices.h"
#include "app/CommandLineHelp.h"
#include "app/DesktopIdentity.h"
#include "app/config/ConfigLocation.h"
#include "app/config/ConfigFile.h"
#include "app/main/ChineseLook.h"
#include "app/main/MainWindow.h"
#include "app/widgets/PluginFreeStyle.h"
#include "platform/Clock.h"
#include "platform/FileSteps.h"
#include "platform/QtAlwaysOnTop.h"
#include "platform/FixedLinks.h"
#include "platform/QtClipboard.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtInstanceChannel.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtShell.h"
#include "platform/SystemShutdown.h"

namespace {

// Ends the process at once after a fatal error box: no window runs its closing steps, and the
// exit status tells scripts and desktop launchers that the program failed.
constexpr int kFailed = 1;
[[noreturn]] void EndProgram() {
#ifdef Q_OS_WIN
  std::_Exit(kFailed);  // MinGW's C library has no quick_exit, and there is no socket file to remove
#else
  std::quick_exit(kFailed);  // runs the socket file's removal
#endif
}

// The copy that holds the settings folder lives but never took the hand-over (it is stopped or
// hangs): a second window on the same file would overwrite what the first one saves.
int SayTheFirstCopyDoesNotAnswer(mevrik::platform::MessageBoxes& boxes, const QString& folder) {
  mevrik::platform::BoxRequest request;
  request.icon = mevrik::platform::BoxIcon::Critical;
  request.title = QStringLiteral(u"错误！");
  request.text = QStringLiteral(u"    本程序已在运行，使用同一配置文件夹：") + QStringLiteral("\r\n") +
                 folder + QStringLiteral("\r\n\r\n") +
                 QStringLiteral(u"但它没有响应。请等它响应或结束后再运行。");
  boxes.show(request);
  return kFailed;
}

}  // namespace

int main(int argc, char** argv) {
  mevrik::platform::IgnoreFileSizeLimitSignal();
  if (mevrik::app::AsksForHelp(argc, argv)) return mevrik::app::PrintHelp(argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Mevrik"));
#ifndef Q_OS_WIN
  // The Windows program has its image plugins built in; elsewhere each is a library to load.
  QApplication::setStyle(new mevrik::widgets::PluginFreeStyle(QApplication::style()));
#endif
  mevrik::main::ApplyChineseLook(app);
  mevrik::app::ApplyDesktopIdentity();

  // Before anything reads or writes the configuration file. Copies with different
  // configuration folders are different installations and do not meet. A folder named with
  // --config-dir, or the user's configuration folder, is made when it does not exist yet (the
  // program's own folder always exists): the running copy holds a lock on it.
  const QString folder = mevrik::config::ConfigFolder(QApplication::arguments());
  QDir().mkpath(folder);
  mevrik::platform::QtMessageBoxes boxes;
  mevrik::platform::QtInstanceChannel channel(folder);
  mevrik::main::MainWindow* window = nullptr;
  const auto onCommand = [&window](const QString& command) {
    if (window) window->onInstanceCommand(command);
  };
  if (!channel.listen(onCommand)) {
    if (channel.send(QStringLiteral("Normal"))) return 0;
    // The first copy ended while this one waited: this one is the first now.
    if (!channel.listen(onCommand)) return SayTheFirstCopyDoesNotAnswer(boxes, folder);
  }

  mevrik::platform::SystemClock clock;
  mevrik::platform::QtShell shell;
  mevrik::platform::QtClipboard clipboard;
  mevrik::platform::QtAlwaysOnTop top;
  mevrik::platform::SystemShutdown shutdown;
  mevrik::platform::QtFileDialogs fileDialogs;
  const mevrik::platform::FixedLinks fixedLinks;
  mevrik::config::ConfigFile ini(mevrik::config::ConfigPathIn(folder), boxes, EndProgram);
  const mevrik::app::AppServices services{.boxes = boxes,
                                          .clock = clock,
                                          .shell = shell,
                                          .shutdown = shutdown,
                                          .config = ini,
                                          .clipboard = clipboard,
                                          .top = top,
                                          .fileDialogs = fileDialogs,
                                          .fixedLinks = fixedLinks};

  mevrik::main::MainWindow main(services, [] { QCoreApplication::exit(0); });
  window = &main;
  if (!main.Load()) return kFailed;
  main.show();
  return app.exec();
}
