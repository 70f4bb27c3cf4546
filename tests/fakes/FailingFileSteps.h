#pragma once
// The system's file steps, with chosen steps failing once each, in the order they are listed.
#include <QList>

#include "platform/FileSteps.h"

namespace mevrik::fakes {

class FailingFileSteps final : public platform::FileSteps {
public:
  enum Step { CreateNew, Write, Sync, Close, Replace };
  struct Failure {
    Step step;
    platform::FileFault fault;
  };

  QList<Failure> failures;  // each fails the next call of its step, then is gone
  int replaced = 0;          // files put in place whole: one per save

  platform::FileFault createNew(const QString& path, const QString& like, Handle& handle) override {
    return Or(CreateNew, [&] { return real().createNew(path, like, handle); });
  }
  platform::FileFault write(Handle handle, const QByteArray& bytes) override {
    // A failing write has written part of its bytes, as a full disk leaves it.
    return Or(Write, [&] { return real().write(handle, bytes); },
              [&] { real().write(handle, bytes.first(bytes.size() / 2)); });
  }
  platform::FileFault sync(Handle handle) override {
    return Or(Sync, [&] { return real().sync(handle); });
  }
  platform::FileFault close(Handle handle) override {
    // The handle is closed whether or not the system reports a failure.
    const platform::FileFault closed = real().close(handle);
    return Or(Close, [&] { return closed; });
  }
  platform::FileFault replace(const QString& from, const QString& to) override {
    return Or(Replace, [&] {
      ++replaced;
      return real().replace(from, to);
    });
  }
  void remove(const QString& path) override { real().remove(path); }

private:
  static platform::FileSteps& real() { return platform::SystemFileSteps(); }

  template <typename Run, typename Partly = void (*)()>
  platform::FileFault Or(Step step, Run run, Partly partly = [] {}) {
    for (qsizetype i = 0; i < failures.size(); ++i) {
      if (failures[i].step != step) continue;
      partly();
      return failures.takeAt(i).fault;
    }
    return run();
  }
};

}  // namespace mevrik::fakes
