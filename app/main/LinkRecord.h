#pragma once
// A user-defined quick link and how it is stored: section "链接" holds the links of the menu
// "链接(&L)", section "其它" those of "其它(&Q)", both with the same key names.
#include <QString>

namespace mevrik::app {

struct LinkRecord {
  QString LinkName;    // menu caption; "-" shows as a separator line
  QString LinkTarget;  // file, folder or program path, or a web address
};

inline const QString kLinksSection = QStringLiteral("链接");
inline const QString kOthersSection = QStringLiteral("其它");
inline const QString kLinkCountKey = QStringLiteral("数量");
inline const QString kNoName = QStringLiteral("【无名】");
inline const QString kNoTarget = QStringLiteral("【错误】");

inline QString LinkNameKey(int index) { return "链接" + QString::number(index) + "名称"; }
inline QString LinkTargetKey(int index) { return "链接" + QString::number(index) + "地址"; }

// A row of the link editor's list: the name, a run of exactly 36 blanks, the target.
inline QString LinkRowText(const LinkRecord& link) {
  return link.LinkName + QString(36, u' ') + link.LinkTarget;
}

}  // namespace mevrik::app
