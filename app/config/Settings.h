#pragma once
// Every value of the configuration file with its section, key, type and default, in one table.
// ConfigFile::Get and ConfigFile::Set take these rows; a read that finds nothing usable stores the default.
#include <QDate>
#include <QString>

#include "app/config/ConfigKeys.h"
#include "core/expr/ExpressionSession.h"
#include "core/material/Catalogue.h"
#include "platform/CoreText.h"

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
