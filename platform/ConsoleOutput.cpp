#include "platform/ConsoleOutput.h"

#include <cstdio>
#include <string>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace mevrik::platform {

#ifdef Q_OS_WIN

namespace {

// The output the program was started with (a file, a pipe, a console), or else the console of
// the program that started it. The starter's console is joined in either case, for its code page.
HANDLE StartersOutput() {
  const HANDLE given = GetStdHandle(STD_OUTPUT_HANDLE);
  const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
  if (given != nullptr && GetFileType(given) != FILE_TYPE_UNKNOWN) return given;
  if (!attached) return nullptr;
  const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
  return console == INVALID_HANDLE_VALUE ? nullptr : console;
}

}  // namespace

void WriteToConsole(const QString& text) {
  const HANDLE output = StartersOutput();
  if (output == nullptr) return;
  const std::wstring wide = text.toStdWString();
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(output, &mode)) {
    WriteConsoleW(output, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  const UINT codePage = GetConsoleOutputCP() != 0 ? GetConsoleOutputCP() : GetACP();
  const int size = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), size,
                      nullptr, nullptr);
  WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

#else

void WriteToConsole(const QString& text) {
  std::fputs(text.toUtf8().constData(), stdout);
  std::fflush(stdout);
}

#endif

}  // namespace mevrik::platform
