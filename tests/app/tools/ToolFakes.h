#pragma once
// Fakes of what the tool windows talk to: the configuration file, message boxes, the clock and
// the shutdown service. Each records what the window did so the tests can assert on it.
#include <QDateTime>
#include <QMap>
#include <QStringList>
#include <ostream>
#include <vector>

#include "app/tools/IniAccess.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Shutdown.h"

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) {
  *os << '{' << texts.join(", ").toStdString() << '}';
}

namespace mevrik::tools::testing {

// An ini file in memory, with the reads' habit of writing their default back.
class FakeIni final : public IniAccess {
public:
  QString GetIniS(const QString& section, const QString& key, const QString& fallback) override {
    const QString stored = values.value(section + '/' + key).trimmed();
    if (!stored.isEmpty()) return stored;
    values[section + '/' + key] = fallback;
    return fallback;
  }
  int GetIniN(const QString& section, const QString& key, int fallback) override {
    const QString id = section + '/' + key;
    const int read = values.contains(id) ? values[id].trimmed().toInt() : fallback;
    if (read == fallback) values[id] = QString::number(fallback);
    return read;
  }
  void SetIniS(const QString& section, const QString& key, const QString& value) override {
    values[section + '/' + key] = value;
    writes << key;
  }
  void SetIniN(const QString& section, const QString& key, int value) override {
    SetIniS(section, key, (value >= 0 ? " " : "") + QString::number(value));
  }
  QString value(const QString& section, const QString& key) const {
    return values.value(section + '/' + key);
  }

  QMap<QString, QString> values;  // "section/key" -> value as written
  QStringList writes;             // keys in the order they were written
};

class FakeBoxes final : public platform::MessageBoxes {
public:
  platform::BoxAnswer show(const platform::BoxRequest& request) override {
    shown.push_back(request);
    return platform::BoxAnswer::Ok;
  }
  std::optional<QString> input(const QString&, const QString&, const QString&,
                               QWidget*) override {
    return std::nullopt;
  }
  std::vector<platform::BoxRequest> shown;
};

class FakeClock final : public platform::Clock {
public:
  QDateTime now() const override { return time; }
  QDateTime time{QDate(2026, 12, 7), QTime(14, 30, 25)};
};

// Records the commands, and the pauses between them, in one log.
class FakeShutdown final : public platform::Shutdown {
public:
  bool run(const QString& command) override {
    log << command;
    return starts;
  }
  QStringList log;
  bool starts = true;
};

}  // namespace mevrik::tools::testing
