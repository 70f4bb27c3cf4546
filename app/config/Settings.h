#pragma once
// Every section and key of the configuration file, named once, and every value with its section,
// key, type and default, in one table. A key's text is what users find in the file and what every
// copy of the program reads, so it never changes. ConfigFile::Get and ConfigFile::Set take the
// rows; a read that finds nothing usable stores the default.
#include <QDate>
#include <QString>

#include "core/expr/ExpressionSession.h"
#include "core/material/CalcKind.h"
#include "core/material/Catalogue.h"
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

namespace mevrik::config {

struct TextSetting {
  QString section;
  QString key;
  QString fallback;
};

// How a number is written: Signed as WriteNumber does, a blank where a negative number has its
// sign (" 5"); Digits without it ("5"). Both read back the same; the file keeps its bytes.
enum class NumberForm { Signed, Digits };

struct NumberSetting {
  QString section;
  QString key;
  int fallback = 0;
  NumberForm form = NumberForm::Signed;
};

namespace settings {

inline const NumberSetting HelpCountdown{keys::expression::Section,
                                         keys::expression::HelpCountdown, 0};
inline const NumberSetting HistorySize{keys::expression::Section, keys::expression::HistorySize,
                                       expr::kDefaultHistorySize, NumberForm::Digits};
inline const NumberSetting HistoryCount{keys::expression::Section,
                                        keys::expression::HistoryCount, 0, NumberForm::Digits};
inline TextSetting HistoryEntry(int index) {
  return {keys::expression::Section, keys::expression::HistoryEntry(index), QString()};
}

// The link lists of the sections keys::links::LinksSection and OthersSection.
inline const QString kNoName = QStringLiteral("【无名】");
inline const QString kNoTarget = QStringLiteral("【错误】");
inline NumberSetting LinkCount(const QString& section) { return {section, keys::links::Count, 0}; }
inline TextSetting LinkName(const QString& section, int index) {
  return {section, keys::links::Name(index), kNoName};
}
inline TextSetting LinkTarget(const QString& section, int index) {
  return {section, keys::links::Target(index), kNoTarget};
}

inline TextSetting StandardCode(material::CalcKind kind) {
  return {keys::standard_codes::Section, keys::standard_codes::Key(kind),
          platform::Q(material::DefaultStandardCode(kind))};
}
// The same key as the variant switch reads it: the kind switch has stored the code before, so
// this default only counts when the key went missing in between.
inline TextSetting VariantStandardCode(material::CalcKind kind) {
  return {keys::standard_codes::Section, keys::standard_codes::Key(kind),
          platform::Q(material::VariantDefaultStandardCode(kind))};
}

inline const NumberSetting ShutdownMode{keys::shutdown::Section, keys::shutdown::Mode, 0};
// Stored as a number, shown as the text stored (ConfigFile::GetText).
inline const NumberSetting ShutdownCountdown{keys::shutdown::Section, keys::shutdown::Countdown,
                                             30};
inline const NumberSetting ShutdownHour{keys::shutdown::Section, keys::shutdown::Hour, 17};
inline const NumberSetting ShutdownMinute{keys::shutdown::Section, keys::shutdown::Minute, 6};
// Nothing stored: today at midnight, "2026/12/07 00.00".
inline TextSetting ShutdownTime(const QDate& today) {
  return {keys::shutdown::Section, keys::shutdown::Time,
          today.toString(QStringLiteral("yyyy/M/dd")) + QStringLiteral(" 00.00")};
}

inline const TextSetting PipeWall{keys::pipe::Section, keys::pipe::Wall,
                                  QStringLiteral("6.3，219，100，1")};
inline const TextSetting PipeFlow{keys::pipe::Section, keys::pipe::Flow,
                                  QStringLiteral("60，2.12，100")};

}  // namespace settings
}  // namespace mevrik::config
