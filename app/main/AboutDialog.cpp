#include "app/main/AboutDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/config/ConfigErrorDialogs.h"
#include "app/widgets/EventHooks.h"
#include "platform/Shell.h"

namespace mevrik::main {

using widgets::OnDoubleClick;

namespace {

using config::MakerMail;

QLabel* AddLabel(QVBoxLayout* layout, const char* name, const QString& text) {
  auto* label = new QLabel(text);
  label->setObjectName(QLatin1String(name));
  layout->addWidget(label);
  return label;
}

}  // namespace

AboutDialog::AboutDialog(const QString& versionText, platform::Shell& shell, QString configPath,
                   QWidget* parent)
    : QDialog(parent), shell_(shell), configPath_(std::move(configPath)) {
  setObjectName(QStringLiteral("AboutDialog"));
  setWindowTitle(QStringLiteral("关于 Mevrik"));
  auto* layout = new QVBoxLayout(this);
  AddLabel(layout, "iconLabel", QString())->setPixmap(QApplication::windowIcon().pixmap(64));
  QLabel* name = AddLabel(layout, "nameLabel", QStringLiteral("Mevrik"));
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  name->setFont(big);
  AddLabel(layout, "versionLabel", QStringLiteral("版本 ") + versionText);
  AddLabel(layout, "noteLabel",
           QStringLiteral("机械、管道设计工程师的计算器：按书写习惯输入计算式直接计算，\n"
                          "并按国家标准计算紧固件与型钢的单重和总重。"));
  QLabel* contact = AddLabel(layout, "contactLabel", QStringLiteral("联系作者：") + MakerMail);
  contact->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  QLabel* edit = AddLabel(layout, "editConfigLabel", QStringLiteral("编辑配置"));
  edit->setToolTip(QStringLiteral("双击编辑配置"));
  edit->setCursor(Qt::PointingHandCursor);
  QPalette link = edit->palette();
  link.setColor(QPalette::WindowText, QColor(0, 0, 255));
  edit->setPalette(link);
  OnDoubleClick(edit, this, [this] { onEditConfigDoubleClicked(); });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  buttons->setObjectName(QStringLiteral("okButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

void AboutDialog::onEditConfigDoubleClicked() {
  shell_.launch(platform::OpenFileLaunch(configPath_));
}

}  // namespace mevrik::main
