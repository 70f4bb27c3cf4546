#pragma once
// A private-profile (ini) file: sections and keys matched without regard to ASCII letter case,
// values without the spaces and tabs around them, the first match wins, a new key goes to the
// end of its section and a new section to the end of the file. Every line we do not write stays
// byte for byte as it was, in its own encoding and line breaks.
// The file is read afresh on every call, so edits made by hand in between are seen.
#include <QString>
#include <optional>

#include "platform/FileSteps.h"
#include "platform/ProfileDocument.h"
#include "platform/RuntimeError.h"

namespace mevrik::platform {

// A save the system began and could not finish: a full disk (61), a refused rename (75), an
// input/output error (57). The file is left byte for byte as it was.
class SaveFailed : public RuntimeError {
public:
  using RuntimeError::RuntimeError;
};

class ProfileFile {
public:
  explicit ProfileFile(QString path, FileSteps& steps = SystemFileSteps());

  const QString& path() const { return path_; }

  // The key's value without the spaces and tabs around it or enclosing quotes; empty text when
  // the file, the section or the key is missing, or the value is empty. Raises RuntimeError 75
  // for a pipe, a device or an oversized file in the file's place (see ProfileDocument).
  QString read(const QString& section, const QString& key) const;

  // Writes the key, replacing the whole file atomically (a temporary copy in the same folder,
  // written, synced, then renamed over it), so a crash, a kill or a full disk leaves the old file
  // intact. A file that is a symbolic link is saved to the link's target, beside it, and the link
  // stays. A value is one line: it is stored up to its first line break. False when the system
  // refused to let the file be written at all (a read-only file, a folder that takes no new file,
  // a file that exists but cannot be read, a missing folder). Raises SaveFailed
  // when a save failed on its way, and RuntimeError 5 for a section or key that cannot be stored
  // as one (empty, a line break, "]" in a section, "=" in a key).
  bool write(const QString& section, const QString& key, const QString& value);

  // Between beginBatch and endBatch the file is read once, reads and writes work on that reading,
  // and endBatch saves all the writes as one replacement of the file: a kill in between leaves
  // the file as it was before or with every change, never with some of them. Batches nest; the
  // outermost end saves. Writes in a batch are true; endBatch is false, saving nothing, when the
  // system refused the save or a write in it, and raises SaveFailed as write does.
  void beginBatch();
  bool endBatch();

  // Removes the temporary copies that a save killed before its rename left in the folder, and
  // nothing else: only names of the form this class gives its copies.
  void removeLeftoverCopies() const;

private:
  bool save(const ProfileDocument& document) const;

  QString path_;
  FileSteps& steps_;
  int batchDepth_ = 0;
  std::optional<ProfileDocument> batch_;  // nullopt in a batch: the file could not be read
  bool batchRefused_ = false;
};

}  // namespace mevrik::platform
