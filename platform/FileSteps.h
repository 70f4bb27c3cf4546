#pragma once
// The system calls that store a file, one call per step, behind an interface so that a test can
// make each step fail in turn. Each step answers with the kind of failure, or None.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace mevrik::platform {

enum class FileFault {
  None,
  NoRoom,    // the disk or the user's quota is full, or the file may grow no further
  NoAccess,  // no permission, a read-only medium, a file another program holds
  Missing,   // the file or a folder on its path is not there
  Other,     // an input/output error or anything else
};

class FileSteps {
public:
  using Handle = std::intptr_t;
  virtual ~FileSteps() = default;

  // A file that must not exist yet, with the permissions of `like` when that file exists.
  virtual FileFault createNew(const QString& path, const QString& like, Handle& handle) = 0;
  // Writes all the bytes at the current position.
  virtual FileFault write(Handle handle, const QByteArray& bytes) = 0;
  // Waits until the file's content is on the disk.
  virtual FileFault sync(Handle handle) = 0;
  virtual FileFault close(Handle handle) = 0;
  // Puts `from` in the place of `to` in one step: `to` is either wholly old or wholly new.
  virtual FileFault replace(const QString& from, const QString& to) = 0;
  virtual void remove(const QString& path) = 0;
};

// The system's steps; the first use also calls IgnoreFileSizeLimitSignal.
FileSteps& SystemFileSteps();

// A file-size limit (ulimit -f) would end the process with SIGXFSZ in the middle of a save, or of
// any other write, without a word; ignored, the write fails with EFBIG and a save reports it as
// a full disk. A program calls it first thing.
void IgnoreFileSizeLimitSignal();

}  // namespace mevrik::platform
