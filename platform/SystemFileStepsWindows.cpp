#include "platform/FileSteps.h"

#include <windows.h>

#include <algorithm>

namespace mevrik::platform {
namespace {

FileFault Fault(DWORD error) {
  switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE: return FileFault::NoRoom;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return FileFault::NoAccess;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return FileFault::Missing;
    default: return FileFault::Other;
  }
}

FileFault LastFault() { return Fault(GetLastError()); }

std::wstring Native(const QString& path) {
  return QString(path).replace(u'/', u'\\').toStdWString();
}

HANDLE AsHandle(FileSteps::Handle handle) { return reinterpret_cast<HANDLE>(handle); }

class WindowsFileSteps final : public FileSteps {
public:
  FileFault createNew(const QString& path, const QString&, Handle& handle) override {
    const HANDLE file = CreateFileW(Native(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastFault();
    handle = reinterpret_cast<Handle>(file);
    return FileFault::None;
  }
  FileFault write(Handle handle, const QByteArray& bytes) override {
    qint64 done = 0;
    while (done < bytes.size()) {
      const DWORD chunk = DWORD(std::min<qint64>(bytes.size() - done, 1 << 30));
      DWORD written = 0;
      if (!WriteFile(AsHandle(handle), bytes.constData() + done, chunk, &written, nullptr))
        return LastFault();
      if (written == 0) return FileFault::NoRoom;
      done += written;
    }
    return FileFault::None;
  }
  FileFault sync(Handle handle) override {
    return FlushFileBuffers(AsHandle(handle)) ? FileFault::None : LastFault();
  }
  FileFault close(Handle handle) override {
    return CloseHandle(AsHandle(handle)) ? FileFault::None : LastFault();
  }
  FileFault replace(const QString& from, const QString& to) override {
    return MoveFileExW(Native(from).c_str(), Native(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? FileFault::None
               : LastFault();
  }
  void remove(const QString& path) override { DeleteFileW(Native(path).c_str()); }
};

}  // namespace

// Windows has no file-size limit signal.
void IgnoreFileSizeLimitSignal() {}

FileSteps& SystemFileSteps() {
  static WindowsFileSteps steps;
  return steps;
}

}  // namespace mevrik::platform
