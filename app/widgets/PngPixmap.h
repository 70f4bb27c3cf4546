#pragma once
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

namespace mevrik::widgets {

// The PNG image at `path`, read by Qt's own reader: left to find the format itself, Qt loads
// every image plugin to ask it first.
QPixmap PngPixmap(const QString& path);

// An icon drawn in square sizes `sides` from the PNG files `pattern`.arg(side). It chooses and
// scales a size as an icon of added pixmaps does, but reads the file each time it is drawn
// instead of keeping every size decoded for the whole run.
QIcon PngIcon(const QString& pattern, const QList<int>& sides);

}  // namespace mevrik::widgets
