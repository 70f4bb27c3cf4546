#include "app/CommandLineHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <cstring>

#include "app/config/ConfigLocation.h"
#include "platform/ConsoleOutput.h"

namespace mevrik::app {

namespace {

// Where the user's configuration folder is, as the user names it on this system.
#ifdef Q_OS_WIN
const char* const kUserFolder = "     %APPDATA%\\mevrik\\\n";
#else
const char* const kUserFolder = "     $XDG_CONFIG_HOME/mevrik/ (~/.config/mevrik/)\n";
#endif

const char* const kOptions =
    "用法 / Usage: mevrik [--config-dir DIR]\n"
    "  打开 Mevrik 计算器窗口；已有副本在运行时，把它带到前面后结束。\n"
    "  Opens the Mevrik calculator window; when a copy is already running, brings it to the\n"
    "  front and ends.\n"
    "\n"
    "  --config-dir DIR  配置文件放在 DIR 中（不存在时新建）\n"
    "                    keep the configuration file in DIR (made when missing)\n"
    "  -h, --help        显示本说明 / show this text\n"
    "\n"
    "配置文件 %1 按此顺序查找 / The configuration file is looked for in order:\n"
    "  1. --config-dir DIR，或环境变量 MEVRIK_CONFIG_DIR\n"
    "     the folder given with --config-dir or in MEVRIK_CONFIG_DIR;\n"
    "  2. 程序所在文件夹：文件已在那里，或该文件夹可写（便携使用）；安装的程序不用它\n"
    "     the program's folder, when the file is there or the folder is writable (a portable\n"
    "     copy); an installed program never uses it;\n"
    "  3. 用户配置文件夹（没有时新建）/ the user's configuration folder, made when missing:\n";

const char* const kDryRun =
    "\n"
    "  MEVRIK_DRY_RUN=1  不打开、不启动、不关机，只把命令写到标准错误\n"
    "                    open, start and shut down nothing; print what would run to stderr\n"
    "\n";

}  // namespace

bool AsksForHelp(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
  return false;
}

int PrintHelp(int argc, char** argv) {
  const QCoreApplication core(argc, argv);
  const QString file = QDir::toNativeSeparators(
      config::ConfigPathIn(config::ConfigFolder(QCoreApplication::arguments())));
  platform::WriteToConsole(QString::fromUtf8(kOptions).arg(config::ConfigFileName) +
                           QString::fromUtf8(kUserFolder) + QString::fromUtf8(kDryRun) +
                           QStringLiteral("此次启动使用 / This start uses: ") + file + u'\n');
  return 0;
}

}  // namespace mevrik::app
