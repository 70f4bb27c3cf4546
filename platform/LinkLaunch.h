#pragma once
// What opening a link target really does, worked out without touching anything: the web address
// or file URL the system's opener gets, or the program started with its arguments. The dry-run
// line shows it, so the mapping can be checked, and the table test pins it down.
#include <QString>
#include <QStringList>
#include <functional>

namespace mevrik::platform {

struct LinkAction;

struct LinkLaunch {
  enum class Way { None, Open, Start };  // None: nothing sensible to open; the caller reports it
  Way way = Way::None;
  QString url;            // Open: "http://...", "mailto:...", "file:///..."
  QString program;        // Start: run without a shell
  QStringList arguments;  // Start
  QString workingFolder;  // Start; empty for the current one

  // "open <url>" or "start" followed by the program and each argument in double quotes.
  QString text() const;
  bool operator==(const LinkLaunch&) const = default;
};

enum class PathKind { Missing, File, Folder };
using PathKindOf = std::function<PathKind(const QString& absolutePath)>;

// What is on the disk at a path.
PathKind PathKindOnDisk(const QString& absolutePath);

// A user link's target, its blanks trimmed:
// - an address with a scheme ("https:", "mailto:", "file:") opens as it is; a "file:" address
//   only when the file is there; scripts in an address ("javascript:", "vbscript:", "data:")
//   never open;
// - otherwise it is a path, relative ones taken from the program's folder: an existing folder or
//   file opens whole; a target ending in "exe" is started whole, there or not, with that folder
//   as its working folder, never split at a blank into a program and its arguments;
// - a target that is no file and looks like a host name ("www.baidu.com", "example.com/x")
//   opens in the browser with "http://" in front, as a browser's address bar does.
LinkLaunch LinkLaunchFor(const QString& target, const QString& programFolder,
                         const PathKindOf& kindOf);

// A fixed link's action, and a local file opened with its program.
LinkLaunch LaunchOf(const LinkAction& action);
LinkLaunch OpenFileLaunch(const QString& path);

}  // namespace mevrik::platform
