#pragma once
#include <QPixmap>
#include <QString>

namespace mevrik::widgets {

// The PNG image at `path`, read by Qt's own reader: left to find the format itself, Qt loads
// every image plugin to ask it first.
QPixmap PngPixmap(const QString& path);

}  // namespace mevrik::widgets
