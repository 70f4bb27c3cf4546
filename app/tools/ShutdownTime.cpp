#include "app/tools/ShutdownTime.h"

namespace mevrik::tools {

QString FormatShutdownTime(const QDateTime& time) {
  return time.toString(QStringLiteral("yyyy/M/dd hh:mm"));
}

namespace {

// A scanner of the stored form, read at every start: a pattern matcher would be compiled for
// this one line. Digits and blanks are those of any script, as a typed value may hold them.
class Scanner {
public:
  explicit Scanner(const QString& text) : text_(text) {}

  bool Blanks() {
    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_].isSpace()) ++pos_;
    return pos_ > start;
  }
  // From `least` to `most` digits as a number; nullopt when fewer are there.
  std::optional<int> Digits(int least, int most) {
    const qsizetype start = pos_;
    while (pos_ < text_.size() && pos_ - start < most && text_[pos_].isDigit()) ++pos_;
    if (pos_ - start < least) return std::nullopt;
    return text_.mid(start, pos_ - start).toInt();
  }
  bool OneOf(QStringView characters) {
    if (pos_ >= text_.size() || !characters.contains(text_[pos_])) return false;
    ++pos_;
    return true;
  }
  bool AtEnd() const { return pos_ == text_.size(); }

private:
  const QString& text_;
  qsizetype pos_ = 0;
};

}  // namespace

// "yyyy/m/d h:mm" (or "h.mm"), blanks around it and at least one between date and time.
std::optional<QDateTime> ParseShutdownTime(const QString& text) {
  Scanner s(text);
  s.Blanks();
  const auto year = s.Digits(4, 4);
  if (!year || !s.OneOf(u"/")) return std::nullopt;
  const auto month = s.Digits(1, 2);
  if (!month || !s.OneOf(u"/")) return std::nullopt;
  const auto day = s.Digits(1, 2);
  if (!day || !s.Blanks()) return std::nullopt;
  const auto hour = s.Digits(1, 2);
  if (!hour || !s.OneOf(u":.")) return std::nullopt;
  const auto minute = s.Digits(1, 2);
  s.Blanks();
  if (!minute || !s.AtEnd()) return std::nullopt;
  const QDate date(*year, *month, *day);
  const QTime time(*hour, *minute);
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
