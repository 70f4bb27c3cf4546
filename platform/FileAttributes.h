#pragma once
// The configuration file's attributes: hidden at the end of every good start, normal before it
// is deleted after a failed one.
#include <QString>

namespace mevrik::platform {

// Raises RuntimeError 53 when the file is missing, 58 when a folder holds its name, and 75 when
// the file or its folder cannot be written. Linux has no hidden attribute, so there this check
// is all it does; it is what tells the user that nothing the program writes will be kept.
// Windows also sets the file's attributes to hidden and nothing else.
void MakeHidden(const QString& path);

// Sets the attributes to normal where the system has them, then deletes the file.
// False when the system refused.
bool RemoveWithAttributesCleared(const QString& path);

// The file a path names at the end of its symbolic links; the path itself when it is none.
QString SymbolicLinkTarget(const QString& path);

// True when this user can create a file in the folder (the probe is removed again).
bool FolderTakesNewFiles(const QString& folder);

}  // namespace mevrik::platform
