#include "app/main/ChineseLook.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace mevrik::main {

QFont ChineseFont(QFont font) {
  // Qt chooses the Han font by locale, and a C or English locale gets Japanese shapes; naming a
  // Simplified Chinese family first settles it.
  font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei"),
                    QStringLiteral("SimSun"), QStringLiteral("Source Han Sans SC"),
                    QStringLiteral("WenQuanYi Micro Hei")});
  font.setPointSize(9);
  return font;
}

void ApplyChineseLook(QApplication& app) {
  const QLocale chinese(QLocale::Chinese, QLocale::China);
  QLocale::setDefault(chinese);

  // Beside the program first (a Windows installation carries its own), then Qt's own folder.
  auto* translator = new QTranslator(&app);
  if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QApplication::applicationDirPath() + QStringLiteral("/translations")) ||
      translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }

  QApplication::setFont(ChineseFont(QApplication::font()));
}

}  // namespace mevrik::main
