#pragma once
#include <QString>

namespace mevrik::app {

// "major.minor.revision"; a revision up to 999 is written with a leading "0" (25 gives "025",
// 7 gives "07"), a larger one as it is.
QString VersionText(int major, int minor, int revision);

// The version this build was made from (the CMake project version).
QString VersionText();

// The name of the desktop entry and of the AppStream component ("org.example.Name"), the same
// as the installed files carry.
QString DesktopId();

}  // namespace mevrik::app
