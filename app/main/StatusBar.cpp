#include "app/main/StatusBar.h"

#include <QHBoxLayout>
#include <QLabel>

#include "app/main/Twips.h"
#include "app/widgets/ElidedLabel.h"
#include "app/widgets/PlainText.h"
#include "core/expr/ExpressionSession.h"
#include "core/material/Material.h"
#include "platform/CoreText.h"

namespace mevrik::main {

using platform::Q;

// Each cell is at least as wide as the window design made it and grows with its text (a custom
// density such as "自定义 7.123456", a larger font); the message line takes what is left.
StatusBar::StatusBar(QWidget* central) {
  auto* panel = new QWidget(central);
  panel->setObjectName(QStringLiteral("statusPanel"));
  panel->setGeometry(0, Tw(2800 - 1060), Tw(8320), kStatusBarHeight);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(2, 2, 0, 2);
  row->setSpacing(2);
  const int designWidths[] = {232, 58, 64, 42, 148};
  const QStringList texts = {QString(), QStringLiteral("22:33"), QStringLiteral("地脚螺栓"),
                             QStringLiteral("22:33"), QStringLiteral("2020/12/25 星期五")};
  const QStringList roles = {QStringLiteral("状态信息"), QStringLiteral("角度单位"),
                             QStringLiteral("计算类型"), QStringLiteral("时间"),
                             QStringLiteral("日期")};
  for (int i = 0; i < texts.size(); ++i) {
    // A long echo in the message cell ends in "…" and shows whole in its tooltip.
    QLabel* cell = i == status::Message ? new widgets::ElidedLabel(panel) : new QLabel(panel);
    cell->setObjectName(QStringLiteral("statusCells_%1").arg(i));
    cell->setText(texts[i]);
    cell->setFrameShape(QFrame::Panel);
    cell->setFrameShadow(QFrame::Sunken);
    cell->setAccessibleDescription(roles[i]);  // the content is the name
    widgets::ShowPlain(cell);  // the message cell echoes typed text and stored expressions
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    if (i == status::Message) {
      policy.setHorizontalPolicy(QSizePolicy::Ignored);
    } else {
      cell->setAlignment(Qt::AlignCenter);
      cell->setMinimumWidth(designWidths[i]);
      policy.setRetainSizeWhenHidden(true);  // a hidden material cell leaves its place empty
    }
    cell->setSizePolicy(policy);
    row->addWidget(cell, i == status::Message ? 1 : 0);
    cells_ << cell;
  }
  cells_[status::Setting]->setToolTip(QStringLiteral("角度单位"));
  cells_[status::Time]->setToolTip(QStringLiteral("时间"));
  cells_[status::Date]->setToolTip(QStringLiteral("日期"));
}

void StatusBar::ShowMessage(const QString& text) { cells_[status::Message]->setText(text); }

void StatusBar::ShowAngleUnit(expr::AngleUnit unit) {
  QLabel* cell = cells_[status::Setting];
  cell->setVisible(true);
  cell->setText(Q(expr::AngleUnitCaption(unit)));
  cell->setToolTip(Q(expr::kAngleUnitTooltip));
}

void StatusBar::ShowMaterialChosen(const material::MaterialChoice& choice) {
  ShowMaterial(choice, Q(material::MaterialIndicator(choice)));
}

void StatusBar::ShowMaterialOnKindSwitch(const material::MaterialChoice& choice) {
  ShowMaterial(choice, Q(material::KindSwitchMaterialIndicator(choice)));
}

void StatusBar::ShowMaterial(const material::MaterialChoice& choice, const QString& indicator) {
  QLabel* cell = cells_[status::Setting];
  cell->setToolTip(Q(material::kMaterialIndicatorTooltip));
  cell->setVisible(choice.index != 0);
  if (choice.index != 0) cell->setText(indicator);
}

void StatusBar::ShowKind(const QString& caption) { cells_[status::Kind]->setText(caption); }

void StatusBar::ShowKindTooltip(const QString& tooltip) {
  cells_[status::Kind]->setToolTip(tooltip);
}

void StatusBar::ShowClock(const QString& time, const QString& date) {
  cells_[status::Time]->setText(time);
  cells_[status::Date]->setText(date);
}

}  // namespace mevrik::main
