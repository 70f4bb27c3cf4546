#include "platform/ConsoleOutput.h"

#include <cstdio>
#include <string>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace mevrik::platform {

#ifdef Q_OS_WIN

namespace {

// The output the program was started with, or else the console of the program that started it.
HANDLE StartersOutput() {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  const bool redirected = output != nullptr && output != INVALID_HANDLE_VALUE;
  // A file or pipe of the starter comes with the start; its console must be joined, also to
  // learn its code page.
  if (!AttachConsole(ATTACH_PARENT_PROCESS) && !redirected) return nullptr;
  if (redirected) return output;
  output = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
  return output == INVALID_HANDLE_VALUE ? nullptr : output;
}

}  // namespace

void WriteToConsole(const QString& text) {
  HANDLE output = StartersOutput();
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
