#include "app/tools/ShutdownTime.h"

#include <QRegularExpression>

namespace mevrik::tools {

QString FormatShutdownTime(const QDateTime& time) {
  return time.toString(QStringLiteral("yyyy/M/dd hh:mm"));
}

QString DefaultShutdownTime(const QDate& today) {
  return today.toString(QStringLiteral("yyyy/M/dd")) + QStringLiteral(" 00.00");
}

std::optional<QDateTime> ParseShutdownTime(const QString& text) {
  static const QRegularExpression form(
      QStringLiteral(R"(^\s*(\d{4})/(\d{1,2})/(\d{1,2})\s+(\d{1,2})[:.](\d{1,2})\s*$)"));
  const auto m = form.match(text);
  if (!m.hasMatch()) return std::nullopt;
  const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
  const QTime time(m.captured(4).toInt(), m.captured(5).toInt());
  if (!date.isValid() || !time.isValid()) return std::nullopt;
  return QDateTime(date, time);
}

bool ShutdownPendingToday(const QString& stored, const QDateTime& now) {
  const auto target = ParseShutdownTime(stored);
  if (!target) return false;
  const auto minuteOf = [](const QDateTime& t) { return t.toSecsSinceEpoch() / 60; };
  const QDateTime nowMinute(now.date(), QTime(now.time().hour(), now.time().minute()));
  const bool minutesAhead = minuteOf(*target) - minuteOf(nowMinute) > 0;
  return minutesAhead && target->date() == now.date();
}

}  // namespace mevrik::tools
