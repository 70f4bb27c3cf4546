#pragma once
// The terminal program's view of its process: arguments as UTF-8 texts and standard streams that
// carry UTF-8 bytes unchanged, the same on every system. On Linux both are already so. On
// Windows the arguments come from the wide command line (the narrow one is in the ANSI code
// page and loses Chinese kind names), the streams are switched to binary (no "\n" -> "\r\n",
// no Ctrl+Z end), a console shows UTF-8 through its output code page and is read as wide text.
#include <string>
#include <vector>

namespace mevrik::cli {

// The arguments after the program name.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Prepares the standard streams for the life of the object and restores the console after.
class Utf8Streams {
 public:
  Utf8Streams();
  ~Utf8Streams();
  Utf8Streams(const Utf8Streams&) = delete;
  Utf8Streams& operator=(const Utf8Streams&) = delete;

 private:
  unsigned savedOutputCodePage_ = 0;  // 0: no console was changed
};

}  // namespace mevrik::cli
