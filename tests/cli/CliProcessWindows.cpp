// Windows: CreateProcessW with a command line quoted so that the program's CommandLineToArgvW
// gives back exactly the given arguments, and three pipes served by their own threads.
#include <windows.h>

#include <stdexcept>
#include <thread>

#include "cli/CliProcess.h"
#include "core/text/Utf16.h"

namespace mevrik::testing {
namespace {

std::wstring Wide(const std::string& utf8) {
  const std::u16string text = text::FromUtf8(utf8);
  return std::wstring(text.begin(), text.end());
}

// Backslashes are literal unless they precede a quote; there they and the quote are escaped.
std::wstring Quoted(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  for (auto it = arg.begin();; ++it) {
    std::size_t backslashes = 0;
    for (; it != arg.end() && *it == L'\\'; ++it) ++backslashes;
    if (it == arg.end()) {
      out.append(backslashes * 2, L'\\');
      break;
    }
    out.append(*it == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    out += *it;
  }
  return out + L'"';
}

struct Pipe {
  HANDLE read = nullptr, write = nullptr;
  explicit Pipe(bool childReads) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    if (!CreatePipe(&read, &write, &inherit, 0)) throw std::runtime_error("CreatePipe");
    SetHandleInformation(childReads ? write : read, HANDLE_FLAG_INHERIT, 0);  // our end
  }
};

std::thread Drain(HANDLE from, std::string& into) {
  return std::thread([from, &into] {
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(from, buffer, sizeof buffer, &n, nullptr) && n > 0) into.append(buffer, n);
    CloseHandle(from);
  });
}

}  // namespace

CliResult RunProcess(const std::vector<std::string>& command, const std::string& input) {
  std::wstring line;
  for (const std::string& arg : command) line += (line.empty() ? L"" : L" ") + Quoted(Wide(arg));
  Pipe in(true), out(false), err(false);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in.read;
  startup.hStdOutput = out.write;
  startup.hStdError = err.write;
  PROCESS_INFORMATION process{};
  const std::wstring program = Wide(command[0]);
  const BOOL started = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &process);
  for (HANDLE childEnd : {in.read, out.write, err.write}) CloseHandle(childEnd);
  if (!started) throw std::runtime_error("cannot start " + command[0]);
  CliResult result;
  std::thread outThread = Drain(out.read, result.out), errThread = Drain(err.read, result.err);
  DWORD written = 0;
  // A program that ends before reading everything breaks the pipe; the rest is not wanted.
  if (!input.empty()) {
    WriteFile(in.write, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
  }
  CloseHandle(in.write);
  outThread.join();
  errThread.join();
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  result.status = static_cast<int>(status);
  return result;
}

}  // namespace mevrik::testing
