#include "platform/FixedLinks.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <utility>

namespace mevrik::platform {
namespace {

const QString kSearchPage = QStringLiteral("https://www.baidu.com/");

QString UserName() {
  const QString user = qEnvironmentVariable("USER");
  return user.isEmpty() ? qEnvironmentVariable("USERNAME") : user;
}

}  // namespace

FixedLinks::FixedLinks()
    : FixedLinks([](const QString& program) { return QStandardPaths::findExecutable(program); },
                 [](const QString& path) { return QFileInfo(path).isDir(); }, UserName()) {}

FixedLinks::FixedLinks(ProgramFinder findProgram, FolderCheck folderExists, QString userName)
    : findProgram_(std::move(findProgram)),
      folderExists_(std::move(folderExists)),
      userName_(std::move(userName)) {}

std::optional<LinkAction> FixedLinks::action(FixedLink link) const {
  switch (link) {
    case FixedLink::Drives: return drives();
    case FixedLink::Calculator: return calculator();
    case FixedLink::SearchPage: break;
  }
  return LinkAction{LinkAction::Way::Open, kSearchPage};
}

#ifdef Q_OS_WIN

std::optional<LinkAction> FixedLinks::drives() const {
  return LinkAction{LinkAction::Way::Start,
                    "EXPLORER.EXE  /n,  /e,  ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"};
}

std::optional<LinkAction> FixedLinks::calculator() const {
  return LinkAction{LinkAction::Way::Start, "calc.exe"};
}

#else

std::optional<LinkAction> FixedLinks::drives() const {
  // Each file manager names its view of the drives and mounted volumes differently.
  static const std::pair<const char*, const char*> kManagers[] = {
      {"nautilus", "other-locations:///"}, {"dolphin", "solid:/"},
      {"nemo", "computer:///"},            {"caja", "computer:///"},
  };
  for (const auto& [program, view] : kManagers) {
    if (!findProgram_(program).isEmpty())
      return LinkAction{LinkAction::Way::Start, QString(program) + " " + view};
  }
  // Any other file manager: the folder where the desktop mounts removable volumes.
  QStringList folders;
  if (!userName_.isEmpty()) folders << "/media/" + userName_ << "/run/media/" + userName_;
  folders << QStringLiteral("/media");
  for (const QString& folder : folders) {
    if (folderExists_(folder)) return LinkAction{LinkAction::Way::Open, folder};
  }
  return LinkAction{LinkAction::Way::Open, QStringLiteral("/")};
}

std::optional<LinkAction> FixedLinks::calculator() const {
  static const char* const kCalculators[] = {"gnome-calculator", "kcalc",        "mate-calc",
                                             "galculator",       "qalculate-gtk", "xcalc"};
  for (const char* program : kCalculators) {
    if (!findProgram_(program).isEmpty()) return LinkAction{LinkAction::Way::Start, program};
  }
  return std::nullopt;
}

#endif

}  // namespace mevrik::platform
