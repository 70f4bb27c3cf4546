#include "platform/LinkLaunch.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

#include "platform/FixedLinks.h"

#include <algorithm>

namespace mevrik::platform {
namespace {

// A scheme has two characters or more, so that a drive letter ("D:\Docs") stays a path.
QString SchemeOf(const QString& target) {
  const qsizetype colon = target.indexOf(u':');
  if (colon < 2 || !target[0].isLetter()) return {};
  for (qsizetype i = 0; i < colon; ++i) {
    const QChar c = target[i];
    const bool allowed = c.unicode() < 0x80 && (c.isLetterOrNumber() || c == u'+' ||
                                                c == u'-' || c == u'.');
    if (!allowed) return {};
  }
  // "localhost:8080", "example.com:8080/x": a port, not a scheme.
  static const QRegularExpression port(QStringLiteral("^:\\d+(/|$)"));
  if (port.match(QStringView(target).sliced(colon)).hasMatch()) return {};
  return target.first(colon).toLower();
}

bool IsScriptScheme(const QString& scheme) {
  return scheme == QLatin1String("javascript") || scheme == QLatin1String("vbscript") ||
         scheme == QLatin1String("data");
}

// The endings of the files users link to: a missing "Plan.xlsx" is a missing file, not a web site.
bool IsFileEnding(const QString& ending) {
  static const QStringList kEndings = {
      "txt", "doc", "docx", "xls", "xlsx", "ppt", "pptx", "pdf", "dwg", "dxf", "ini", "bat",
      "cmd", "lnk", "zip", "rar", "7z",  "jpg", "jpeg", "png", "gif", "bmp", "csv", "xml",
      "json", "htm", "html", "msi", "dll", "py",  "sh",  "md",  "log", "dat", "db",  "mp3",
      "mp4", "avi", "mov", "wps", "et",  "dps", "chm", "hlp", "tif", "step", "stp", "igs"};
  return kEndings.contains(ending.toLower());
}

bool IsHostLabel(QStringView label) {
  if (label.isEmpty() || label.size() > 63 || label.front() == u'-' || label.back() == u'-')
    return false;
  for (const QChar c : label)
    if (!c.isLetterOrNumber() && c != u'-') return false;
  return true;
}

bool AllDigits(QStringView text) {
  if (text.isEmpty()) return false;
  for (const QChar c : text)
    if (!c.isDigit()) return false;
  return true;
}

bool LooksLikeHostName(const QString& target) {
  for (const QChar c : target)
    if (c.isSpace()) return false;
  static const QRegularExpression hostEnd(QStringLiteral("[/?#]"));
  const qsizetype end = target.indexOf(hostEnd);
  QString host = end < 0 ? target : target.first(end);
  if (const qsizetype colon = host.indexOf(u':'); colon >= 0) {
    if (!AllDigits(QStringView(host).sliced(colon + 1))) return false;
    host.truncate(colon);
  }
  if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) return true;
  const QStringList labels = host.split(u'.');
  if (labels.size() < 2) return false;
  for (const QString& label : labels)
    if (!IsHostLabel(label)) return false;
  if (labels.size() == 4 && std::all_of(labels.begin(), labels.end(),
                                        [](const QString& l) { return AllDigits(l); }))
    return true;
  const QString& ending = labels.last();
  const bool letters = ending.size() >= 2 && std::all_of(ending.begin(), ending.end(),
                                                          [](QChar c) { return c.isLetter(); });
  return letters && (host.startsWith(QLatin1String("www."), Qt::CaseInsensitive) ||
                     !IsFileEnding(ending));
}

LinkLaunch Open(const QString& url) { return {LinkLaunch::Way::Open, url, {}, {}, {}}; }

LinkLaunch Start(QString program, QStringList arguments, QString folder) {
  return {LinkLaunch::Way::Start, {}, std::move(program), std::move(arguments), std::move(folder)};
}

bool EndsInExe(const QString& target) {
  return target.endsWith(QLatin1String("exe"), Qt::CaseSensitive);
}

// The program's own command lines (the fixed links): split without a shell, quotes group.
LinkLaunch CommandLine(const QString& line) {
  QStringList words = QProcess::splitCommand(line);
  if (words.isEmpty()) return {};
  QString program = words.takeFirst();
  return Start(program, words, {});
}

QString Quoted(QString word) {
  return u'"' + word.replace(u'\\', QLatin1String("\\\\")).replace(u'"', QLatin1String("\\\"")) +
         u'"';
}

}  // namespace

QString LinkLaunch::text() const {
  switch (way) {
    case Way::Open: return QStringLiteral("open ") + url;
    case Way::Start: {
      QString line = QStringLiteral("start ") + Quoted(program);
      for (const QString& argument : arguments) line += u' ' + Quoted(argument);
      return line;
    }
    case Way::None: break;
  }
  return QStringLiteral("nothing");
}

PathKind PathKindOnDisk(const QString& absolutePath) {
  const QFileInfo info(absolutePath);
  if (!info.exists()) return PathKind::Missing;
  return info.isDir() ? PathKind::Folder : PathKind::File;
}

LinkLaunch OpenFileLaunch(const QString& path) {
  return Open(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString());
}

LinkLaunch LinkLaunchFor(const QString& rawTarget, const QString& programFolder,
                         const PathKindOf& kindOf) {
  const QString target = rawTarget.trimmed();
  if (target.isEmpty()) return {};
  if (const QString scheme = SchemeOf(target); !scheme.isEmpty()) {
    if (IsScriptScheme(scheme)) return {};
    if (scheme != QLatin1String("file")) return Open(target);
    const QString path = QUrl(target).toLocalFile();
    if (path.isEmpty() || kindOf(path) == PathKind::Missing) return {};
    return OpenFileLaunch(path);
  }
  const QString path = QDir::cleanPath(QDir(programFolder).filePath(target));
  // A program is started by its whole path, there or not (a missing one fails with its name),
  // never split at a blank into a program and arguments: "C:\Program Files\x.exe" must not
  // start "C:\Program.exe".
  if (EndsInExe(target)) return Start(path, {}, programFolder);
  switch (kindOf(path)) {
    case PathKind::Folder:
    case PathKind::File: return OpenFileLaunch(path);
    case PathKind::Missing: break;
  }
  if (LooksLikeHostName(target)) return Open(QStringLiteral("http://") + target);
  return {};
}

LinkLaunch LaunchOf(const LinkAction& action) {
  if (action.way == LinkAction::Way::Open) {
    return SchemeOf(action.text).isEmpty() ? OpenFileLaunch(action.text) : Open(action.text);
  }
  return CommandLine(action.text);
}

}  // namespace mevrik::platform
