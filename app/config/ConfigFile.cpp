#include "app/config/ConfigFile.h"

#include "app/config/ConfigErrorDialogs.h"
#include "platform/CoreText.h"
#include "platform/FileAttributes.h"
#include "platform/RuntimeError.h"

namespace mevrik::config {

namespace {

constexpr int kLargestInteger = 32767;  // the callers keep the number in 16 bits

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The private-profile integer: the leading decimal digits after any blanks, 0 when there are
// none and for a negative value. A number beyond 16 bits overflows as it would on assignment.
int StoredInteger(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  int value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i].unicode() - u'0');
    if (value > kLargestInteger) throw platform::RuntimeError(platform::Overflow);
  }
  return value;
}

}  // namespace

ConfigFile::ConfigFile(QString configPath, platform::MessageBoxes& boxes, std::function<void()> endProgram,
             platform::FileSteps& steps)
    : file_(std::move(configPath), steps), boxes_(boxes), endProgram_(std::move(endProgram)) {}

template <typename Read>
auto ConfigFile::Guarded(Read read, decltype(read()) defaultValue) {
  try {
    return read();
  } catch (const platform::SaveFailed& failure) {
    ShowWriteErrorAndEnd(failure);
    return defaultValue;
  } catch (const platform::RuntimeError& error) {
    if (startingUp_) throw;
    ShowReadError(error, boxes_);
    return defaultValue;
  }
}

QString ConfigFile::ReadText(const QString& section, const QString& key, const QString& defaultValue) {
  procedure_ = u"SetIniS";
  return Guarded(
      [&] {
        const QString value = file_.read(section, key);
        if (value.isEmpty()) {
          Saved(file_.write(section, key, defaultValue));
          return defaultValue;
        }
        const qsizetype nul = value.indexOf(QChar());
        return nul < 0 ? value : value.first(nul);
      },
      defaultValue);
}

int ConfigFile::ReadNumber(const QString& section, const QString& key, int defaultValue) {
  procedure_ = u"SetIniN";
  return Guarded(
      [&] {
        const QString stored = file_.read(section, key);
        const int value = stored.isEmpty() ? defaultValue : StoredInteger(stored);
        if (value == defaultValue) Saved(file_.write(section, key, QString::number(defaultValue)));
        return value;
      },
      defaultValue);
}

void ConfigFile::WriteText(const QString& section, const QString& key, const QString& value) {
  Write(u"SetIniS", section, key, platform::ProfileDocument::StorableText(value));
}

void ConfigFile::WriteNumber(const QString& section, const QString& key, int value) {
  const QString text = QString::number(value);
  Write(u"SetIniN", section, key, value >= 0 ? u' ' + text : text);
}

void ConfigFile::Set(const NumberSetting& setting, int value) {
  if (setting.form == NumberForm::Digits) {
    WriteText(setting.section, setting.key, QString::number(value));
  } else {
    WriteNumber(setting.section, setting.key, value);
  }
}

void ConfigFile::Write(const char16_t* procedure, const QString& section, const QString& key,
                  const QString& value) {
  procedure_ = procedure;
  try {
    Saved(file_.write(section, key, value));
  } catch (const platform::RuntimeError& error) {
    ShowWriteErrorAndEnd(error);
  }
}

void ConfigFile::EndBatch() {
  try {
    Saved(file_.endBatch());
  } catch (const platform::RuntimeError& error) {
    ShowWriteErrorAndEnd(error);
  }
}

void ConfigFile::Saved(bool saved) {
  if (!saved && !startingUp_ && !savingRefusedKnown_)
    throw platform::SaveFailed(platform::PathFileAccess);
}

void ConfigFile::ShowWriteErrorAndEnd(const platform::RuntimeError& error) {
  if (const auto undo = std::exchange(undoOnFailure_, {})) undo();
  ShowWriteError(platform::Q(procedure_), error, boxes_);
  endProgram_();
}

void ConfigFile::MakeHidden() const { platform::MakeHidden(file_.path()); }

bool ConfigFile::RemoveFile() const { return platform::RemoveWithAttributesCleared(file_.path()); }

}  // namespace mevrik::config
