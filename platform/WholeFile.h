#pragma once
// Files the user names (an export): written whole through a temporary copy in the same folder
// that replaces the file only once it is complete, so the file is either the new one whole or
// byte for byte the one it was.
#include <QByteArray>
#include <QString>

namespace mevrik::platform {

// An empty text on success, else the system's reason.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace mevrik::platform
