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
