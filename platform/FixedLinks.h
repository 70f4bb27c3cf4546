#pragma once
// What stands on this system for the three fixed items of the link menu: the computer's drives
// in a file manager, the calculator, and the search engine's home page in the browser.
#include <QString>
#include <functional>
#include <optional>

namespace mevrik::platform {

struct LinkAction {
  enum class Way { Start, Open };  // start a command line, or open a target with its program
  Way way = Way::Open;
  QString text;
};

enum class FixedLink { Drives = 0, Calculator = 1, SearchPage = 2 };

class FixedLinks {
public:
  // The full path of an installed program, empty when it is not installed.
  using ProgramFinder = std::function<QString(const QString& program)>;
  using FolderCheck = std::function<bool(const QString& path)>;

  FixedLinks();  // looks at this system
  FixedLinks(ProgramFinder findProgram, FolderCheck folderExists, QString userName);

  // nullopt when nothing on this system can do it.
  std::optional<LinkAction> action(FixedLink link) const;

private:
  std::optional<LinkAction> drives() const;
  std::optional<LinkAction> calculator() const;

  ProgramFinder findProgram_;
  FolderCheck folderExists_;
  QString userName_;
};

}  // namespace mevrik::platform
