#pragma once
// Every section and key of the configuration file, named once (their types and defaults are in
// Settings.h). A key's text is what users find in the file and what every copy of the program
// reads, so it never changes.
#include <QString>

#include "core/material/CalcKind.h"
#include "platform/CoreText.h"

namespace mevrik::config::keys {

// "计算式": the expression history and the expression settings that are kept.
namespace expression {
inline const QString Section = QStringLiteral("计算式");
inline const QString HelpCountdown = QStringLiteral("说明");  // trigonometry help still to show
inline const QString HistorySize = QStringLiteral("记录");    // index of the checked size item
inline const QString HistoryCount = QStringLiteral("数量");   // entries "记录0".. kept at exit
inline QString HistoryEntry(int index) { return QStringLiteral("记录") + QString::number(index); }
}  // namespace expression

// "链接" holds the user's links of the menu "链接(&L)", "其它" those of "其它(&Q)"; both use
// the same keys.
namespace links {
inline const QString LinksSection = QStringLiteral("链接");
inline const QString OthersSection = QStringLiteral("其它");
inline const QString Count = QStringLiteral("数量");
inline QString Name(int index) { return "链接" + QString::number(index) + "名称"; }
inline QString Target(int index) { return "链接" + QString::number(index) + "地址"; }
}  // namespace links

// "标准代号": the standard code of each weight kind, keyed by material::KindCaption(kind).
namespace standard_codes {
inline const QString Section = QStringLiteral("标准代号");
inline QString Key(material::CalcKind kind) {
  return platform::Q(material::KindCaption(kind));
}
}  // namespace standard_codes

// "定时关机": the scheduled shutdown window.
namespace shutdown {
inline const QString Section = QStringLiteral("定时关机");
inline const QString Mode = QStringLiteral("关机方式");  // 0 a clock time, 1 a countdown
inline const QString Countdown = QStringLiteral("倒计时");
inline const QString Hour = QStringLiteral("时");       // list index of the hour box
inline const QString Minute = QStringLiteral("分");     // list index of the minute box
inline const QString Time = QStringLiteral("关机时间");  // "yyyy/m/dd hh:mm"
}  // namespace shutdown

// "壁厚流量": the last inputs of the pipe wall-thickness and flow calculators.
namespace pipe {
inline const QString Section = QStringLiteral("壁厚流量");
inline const QString Wall = QStringLiteral("壁厚");
inline const QString Flow = QStringLiteral("流量");
}  // namespace pipe

}  // namespace mevrik::config::keys
