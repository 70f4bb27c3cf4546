#include "app/AppVersion.h"

namespace mevrik::app {

QString VersionText(int major, int minor, int revision) {
  const QString rev = revision > 999 ? QString::number(revision) : "0" + QString::number(revision);
  return QString::number(major) + "." + QString::number(minor) + "." + rev;
}

QString VersionText() {
  return VersionText(MEVRIK_VERSION_MAJOR, MEVRIK_VERSION_MINOR, MEVRIK_VERSION_PATCH);
}

QString DesktopId() { return QStringLiteral(MEVRIK_DESKTOP_ID); }

}  // namespace mevrik::app
