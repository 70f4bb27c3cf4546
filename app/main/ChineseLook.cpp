#include "app/main/ChineseLook.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace mevrik::main {

namespace {

// Each family named that the system lacks costs a fontconfig search at start. Qt uses only the
// installed ones, so outside Windows only those are named.
QStringList ChineseFamilies() {
  const QStringList wanted = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei"),
                              QStringLiteral("SimSun"), QStringLiteral("Source Han Sans SC"),
                              QStringLiteral("WenQuanYi Micro Hei")};
#ifdef Q_OS_WIN
  return wanted;
#else
  const QStringList installed = QFontDatabase::families();
  QStringList present;
  for (const QString& family : wanted) {
    if (installed.contains(family, Qt::CaseInsensitive)) present << family;
  }
  return present.isEmpty() ? wanted : present;
#endif
}

}  // namespace

QFont ChineseFont(QFont font) {
  // Qt chooses the Han font by locale, and a C or English locale gets Japanese shapes; naming a
  // Simplified Chinese family first settles it.
  font.setFamilies(ChineseFamilies());
  font.setPointSize(9);
  return font;
}

QFont ChineseFixedFont() {
#ifdef Q_OS_WIN
  // Windows' own fixed-width font, Courier New, has serifs; Consolas is its sans-serif one.
  const QString digits = QStringLiteral("Consolas");
#else
  // The family fontconfig gives for the system's fixed-width font (a sans-serif one): a generic
  // name such as "monospace" is not looked up when it stands in a list of families.
  const QString digits = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
#endif
  QFont font = ChineseFont(QApplication::font());
  font.setFamilies(QStringList{digits} + ChineseFamilies());
  return font;
}

void ApplyChineseLook(QApplication& app) {
  const QLocale chinese(QLocale::Chinese, QLocale::China);
  QLocale::setDefault(chinese);

  // Built into the Windows program, else beside the program, else in Qt's own folder.
  auto* translator = new QTranslator(&app);
  for (const QString& folder : {QStringLiteral(":/translations"),
                                QApplication::applicationDirPath() + QStringLiteral("/translations"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
    if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
      QApplication::installTranslator(translator);
      break;
    }
  }

  QApplication::setFont(ChineseFont(QApplication::font()));
}

}  // namespace mevrik::main
