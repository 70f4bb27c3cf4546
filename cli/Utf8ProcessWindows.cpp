#include "cli/Utf8Process.h"

// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <iostream>
#include <streambuf>

#include "core/text/Utf16.h"

namespace mevrik::cli {
namespace {

HANDLE StreamHandle(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

bool IsConsole(int fd) {
  DWORD mode = 0;
  return GetConsoleMode(StreamHandle(fd), &mode) != 0;
}

// A console read as wide text and handed on as UTF-8: byte reads of a console deliver its input
// code page, in which Chinese characters are lost or arrive as another encoding.
class ConsoleInput : public std::streambuf {
 public:
  explicit ConsoleInput(HANDLE console) : console_(console) {}

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    wchar_t wide[1024];
    DWORD count = 0;
    if (ended_ || !ReadConsoleW(console_, wide, 1024, &count, nullptr) || count == 0) {
      return traits_type::eof();
    }
    std::u16string text =
        pendingHalf_ + std::u16string(reinterpret_cast<const char16_t*>(wide), count);
    pendingHalf_.clear();
    if (text.back() >= 0xD800 && text.back() < 0xDC00) {  // the rest comes with the next read
      pendingHalf_ = text.back();
      text.pop_back();
    }
    // Ctrl+Z at the start of a line ends the input, as it does for the console's own programs.
    const auto eofMark = text.find(u'\x1A');
    if (eofMark != std::u16string::npos &&
        (eofMark == 0 ? atLineStart_ : text[eofMark - 1] == u'\n')) {
      text.resize(eofMark);
      ended_ = true;
    }
    if (!text.empty()) atLineStart_ = text.back() == u'\n';
    buffer_ = text::ToUtf8(text);
    setg(buffer_.data(), buffer_.data(), buffer_.data() + buffer_.size());
    if (buffer_.empty()) return ended_ ? traits_type::eof() : underflow();  // half a pair read
    return traits_type::to_int_type(buffer_[0]);
  }

 private:
  HANDLE console_;
  std::string buffer_;
  std::u16string pendingHalf_;
  bool atLineStart_ = true;
  bool ended_ = false;
};

std::streambuf* g_originalInput = nullptr;

}  // namespace

std::vector<std::string> Utf8Arguments(int, char**) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; wide && i < count; ++i) {
    args.push_back(text::ToUtf8(reinterpret_cast<const char16_t*>(wide[i])));
  }
  LocalFree(wide);
  return args;
}

Utf8Streams::Utf8Streams() {
  for (int fd : {0, 1, 2}) _setmode(fd, _O_BINARY);
  if (IsConsole(1) || IsConsole(2)) {
    savedOutputCodePage_ = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
  }
  if (IsConsole(0)) {
    // Leaving the C streams first, so a later call by a command keeps this buffer in place.
    std::ios::sync_with_stdio(false);
    static ConsoleInput input(StreamHandle(0));
    g_originalInput = std::cin.rdbuf(&input);
  }
}

Utf8Streams::~Utf8Streams() {
  std::cout.flush();
  std::cerr.flush();
  if (savedOutputCodePage_ != 0) SetConsoleOutputCP(savedOutputCodePage_);
  if (g_originalInput) std::cin.rdbuf(g_originalInput);
}

}  // namespace mevrik::cli
