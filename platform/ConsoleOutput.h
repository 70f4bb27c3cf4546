#pragma once
// Text for the user on standard output, from a program that may have no console of its own.
// On Windows a window program starts without one: the text goes to the console of the program
// that started it (cmd, PowerShell), written as wide text so that the console shows every
// character whatever its code page, or, when the output was sent to a file or a pipe, as bytes
// in the console's code page (the system's ANSI code page when there is no console). Elsewhere
// it is UTF-8 on standard output.
#include <QString>

namespace mevrik::platform {

void WriteToConsole(const QString& text);

}  // namespace mevrik::platform
