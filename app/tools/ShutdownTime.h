#pragma once
// The stored time of a scheduled shutdown ("定时关机"/"关机时间"), written "yyyy/m/dd hh:mm".
#include <QDateTime>
#include <QString>
#include <optional>

namespace mevrik::tools {

// "2026/12/07 17:30": month without, day with a leading zero.
QString FormatShutdownTime(const QDateTime& time);

// Reads "yyyy/m/d h:mm" (also "h.mm", as in the default); nullopt for anything else.
std::optional<QDateTime> ParseShutdownTime(const QString& text);

// Whether a shutdown stored as `stored` is still ahead today: at least one minute boundary
// from now to it, and no day boundary. A text that is not a time counts as nothing pending.
bool ShutdownPendingToday(const QString& stored, const QDateTime& now);

}  // namespace mevrik::tools
