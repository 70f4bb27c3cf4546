#include "app/main/WeightPanel.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "app/PlainText.h"
#include "app/config/RWini.h"
#include "app/main/WeightBoxes.h"
#include "app/main/WeightRowLayout.h"
#include "core/material/ExpressionBinding.h"
#include "core/material/KindLayout.h"
#include "core/material/ParameterInput.h"
#include "platform/MessageBoxes.h"

namespace mevrik::app {
namespace {

using material::CalcKind;
using material::TextColour;

QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ColourOf(TextColour colour) {
  const material::Rgb rgb = material::ColourValue(colour);
  return {rgb.red, rgb.green, rgb.blue};
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

}  // namespace

WeightPanel::WeightPanel(QWidget* window, WeightState state, platform::MessageBoxes& boxes,
                         config::RWini& config, WeightHooks hooks)
    : window_(window), w_(FindWeightWidgets(window)), state_(state),
      boxes_(boxes), config_(config), hooks_(std::move(hooks)) {
  params_ = new WeightBoxes(
      w_.CombSR, [this](int index) { CombSR_Change(index); },
      [this](int index) { CombSR_Click(index); },
      [this](int index, QChar typed) {
        return material::FilterKey(Kind(), index, typed.unicode()).accepted;
      },
      this);
  WatchControls();
  ConnectMenus();
}

WeightPanel::~WeightPanel() = default;

CalcKind WeightPanel::Kind() const { return static_cast<CalcKind>(state_.currentKind); }

void WeightPanel::WatchControls() {
  // The box holds the focus and hands typed keys on to its line edit.
  for (QComboBox* box : w_.CombSR) box->installEventFilter(this);
  for (QWidget* label : {static_cast<QWidget*>(w_.LabPM), static_cast<QWidget*>(w_.LabSM[0]),
                         static_cast<QWidget*>(w_.LabSM[1]), static_cast<QWidget*>(w_.LabDanZhong)})
    label->installEventFilter(this);
}

void WeightPanel::ConnectMenus() {
  for (int i = 0; i < w_.MnuLB.size(); ++i)
    connect(w_.MnuLB[i], &QAction::triggered, this, [this, i] { MnuLB_Click(i); });
  for (int i = 0; i < w_.MSCaiZhi.size(); ++i)
    connect(w_.MSCaiZhi[i], &QAction::triggered, this, [this, i] { MSCaiZhi_Click(i); });
}

std::u16string WeightPanel::ConfiguredCode(CalcKind kind, const std::u16string& fallback) {
  return config_.GetIniS(Q(material::kStandardCodeSection), Q(material::KindCaption(kind)),
                         Q(fallback))
      .toStdU16String();
}

void WeightPanel::SetUpKind(int kind) {
  const auto k = static_cast<CalcKind>(kind);
  if (!material::IsWeightKind(k)) return;
  const std::u16string code = ConfiguredCode(k, material::DefaultStandardCode(k));
  material::LoadKind(state_.catalogue, k, code);
  ShowLayout(k);
  Replay(material::KindFillSteps(k));
  if (material::VariantCount(k) > 0) SetUpVariants(k, code);
  PlaceParameterRow(w_, material::LayoutOf(k));
}

void WeightPanel::ShowLayout(CalcKind kind) {
  const material::KindLayout& layout = material::LayoutOf(kind);
  for (int i = 0; i < 4; ++i) {
    const material::BoxLayout& box = layout.boxes[static_cast<std::size_t>(i)];
    if (!box.shown) continue;
    w_.LabSM[i]->setText(Q(box.caption));
    w_.CombSR[i]->setToolTip(Q(box.tooltip));
    w_.LabSM[i]->setVisible(true);
    w_.CombSR[i]->setVisible(true);
  }
  w_.LabPM->setVisible(layout.pickerShown);
  w_.LabPM->setToolTip(Q(layout.pickerTooltip));
  w_.MnuLeiBie->setEnabled(layout.variantMenuEnabled);
  w_.LabDanZhong->setToolTip(Q(layout.detailTooltip));
}

void WeightPanel::SetUpVariants(CalcKind kind, const std::u16string& code) {
  const std::vector<std::u16string> codes = material::VariantCodes(kind, code);
  const int count = material::VariantCount(kind);
  w_.MnuLB[2]->setVisible(count > 2);
  ToggleLabPMColour();
  for (int i = 0; i < count; ++i) w_.MnuLB[i]->setText(Q(codes[static_cast<std::size_t>(i)]));
  MnuLB_Click(material::DefaultVariant(kind).value_or(0));
}

void WeightPanel::Replay(const std::vector<material::BoxStep>& steps) {
  for (const material::BoxStep& step : steps) params_->Apply(step, w_.LabStB[0]);
}

void WeightPanel::MnuLB_Click(int index) {
  for (QAction* item : w_.MnuLB) item->setChecked(false);
  w_.MnuLB[index]->setChecked(true);
  const CalcKind kind = Kind();
  if (index >= material::VariantCount(kind)) return;
  const std::u16string code = ConfiguredCode(kind, material::VariantDefaultStandardCode(kind));
  hooks_.setTitle(Q(material::VariantTitleText(kind, index)));
  material::LoadVariant(state_.catalogue, kind, index, code);
  if (const auto tooltip = material::VariantSizeTooltip(kind, index))
    w_.CombSR[0]->setToolTip(Q(*tooltip));
  Replay(material::VariantFillSteps(kind, index));
}

void WeightPanel::LabPM_Click() {
  const CalcKind kind = Kind();
  if (material::VariantCount(kind) > 0) {
    w_.MnuLeiBie->popup(QCursor::pos());
  } else if (kind >= CalcKind::IBeam && kind <= CalcKind::Angle && hooks_.openSectionHoles) {
    hooks_.openSectionHoles(static_cast<int>(kind) - static_cast<int>(CalcKind::IBeam));
  }
  ToggleLabPMColour();
}

void WeightPanel::ToggleLabPMColour() {
  const bool blue = w_.LabPM->palette().color(QPalette::WindowText) == ColourOf(TextColour::Blue);
  const TextColour now = blue ? TextColour::Blue : TextColour::Black;
  SetTextColour(w_.LabPM, ColourOf(material::ToggledPickerColour(now)));
}

void WeightPanel::LabSM_DblClick(int index) {
  if (index <= 1) ShowNotes();
}

void WeightPanel::LabDanZhong_DblClick() { ShowNotes(); }

void WeightPanel::ShowNotes() {
  platform::BoxRequest request;
  request.icon = platform::BoxIcon::Information;
  request.title = Q(material::kNotesTitle);
  request.text = Q(material::NotesText(state_.catalogue));
  request.parent = window_;
  boxes_.show(request);
}

void WeightPanel::CombSR_Change(int index) {
  const CalcKind kind = Kind();
  const QString text = w_.CombSR[index]->currentText();
  if (const auto refusal = material::RefuseParameter(index, text.toStdU16String(),
                                                     w_.LabSM[index]->text().toStdU16String())) {
    SetDetail(refusal->detail, TextColour::Red);
    SetStatus(Q(refusal->status));
    w_.CmdOK->setEnabled(false);
    w_.TxtJieGuo->clear();
    return;
  }
  SetStatus(text);
  if (const auto fill = material::ThicknessForWidth(state_.catalogue, kind, index,
                                                    params_->ListIndex(index))) {
    w_.CombSR[2]->setEditText(Q(fill->text));
    w_.CombSR[2]->setToolTip(Q(fill->tooltip));
  }
  if (index == 0) {
    params_->SetTextColour(0, ColourOf(material::SizeTextColour(text.toStdU16String())));
    if (const auto tooltip = material::SizeTooltip(kind, state_.catalogue.standardCode,
                                                   text.toStdU16String()))
      w_.CombSR[0]->setToolTip(PlainToolTip(Q(*tooltip)));
  } else if (index == 1) {
    if (const auto colour = material::ListedValueColour(params_->Items(1), text.toStdU16String()))
      params_->SetTextColour(1, ColourOf(*colour));
  }
  if (material::ParametersReady(kind, params_->Texts())) {
    SetDetailColour(TextColour::Blue);
    w_.CmdOK->setEnabled(true);
    if (!CalculateReporting()) return;  // the status line names the box to mend
  } else {
    w_.CmdOK->setEnabled(false);
  }
  SetStatus(text);
}

void WeightPanel::Calculate() { CalculateReporting(); }

bool WeightPanel::CalculateReporting() {
  const CalcKind kind = Kind();
  if (!material::IsWeightKind(kind)) return true;
  material::WeightInputs inputs{kind, params_->Texts(),
                                params_->ListIndex(state_.catalogue.sizeComboIndex)};
  // Length and area expressions are evaluated like the expression box's text, and every total
  // is formatted at the precision the user chose.
  expr::ExprContext context = hooks_.exprContext();
  material::ExpressionBinding expression(state_.precision, context);
  const material::WeightOutcome outcome = material::CalculateWeight(
      state_.catalogue, inputs, state_.material.densityFactor, unitWeight_, expression);
  if (outcome.detail) w_.LabDanZhong->setText(Q(*outcome.detail));
  if (outcome.detailColour) SetDetailColour(*outcome.detailColour);
  if (outcome.disableOk) w_.CmdOK->setEnabled(false);
  if (outcome.result) w_.TxtJieGuo->setText(Q(*outcome.result));
  if (outcome.notNumberBox) {
    SetStatus(Q(material::NotNumberStatus(w_.LabSM[*outcome.notNumberBox]->text().toStdU16String())));
    return false;
  }
  if (outcome.finished) hooks_.autoCopy();
  return true;
}

void WeightPanel::SetDetail(const std::u16string& text, TextColour colour) {
  SetDetailColour(colour);
  w_.LabDanZhong->setText(Q(text));
}

void WeightPanel::SetDetailColour(TextColour colour) { SetTextColour(w_.LabDanZhong, ColourOf(colour)); }

void WeightPanel::SetStatus(const QString& text) { w_.LabStB[0]->setText(text); }

bool WeightPanel::CombSR_KeyPress(int index, char16_t key) {
  const material::KeyResult result = material::FilterKey(Kind(), index, key);
  if (result.focusBox) {
    // Selected as a box entered with the Tab key, so the next keys replace its value.
    QComboBox* next = w_.CombSR[*result.focusBox];
    next->setFocus();
    if (QLineEdit* line = next->lineEdit()) line->selectAll();
  }
  return result.accepted;
}

void WeightPanel::MSCaiZhi_Click(int index) {
  material::MaterialChoice& material = state_.material;
  for (QAction* item : w_.MSCaiZhi) item->setChecked(false);
  w_.MSCaiZhi[index]->setChecked(true);
  if (index < 3) {
    material::SelectMaterial(material, index);
  } else {
    const std::optional<QString> answer =
        boxes_.input(Q(material::kDensityTitle), Q(material::kDensityPrompt),
                     Q(material::ProposedDensity(material)), window_);
    const bool accepted = material::AcceptCustomDensity(
        material, answer ? std::optional(answer->toStdU16String()) : std::nullopt);
    if (!accepted) {
      boxes_.show({platform::BoxIcon::Information, platform::BoxButtons::Ok,
                   Q(material::kDensityRefusedTitle), Q(material::kDensityRefusedText), false,
                   window_});
      w_.MSCaiZhi[0]->setChecked(true);
      w_.MSCaiZhi[3]->setChecked(false);
    }
    w_.MSCaiZhi[3]->setText(Q(material::MaterialMenuCaption(material, 3)));
  }
  w_.LabStB[1]->setText(Q(material::MaterialIndicator(material)));
  w_.LabStB[1]->setVisible(material.index != 0);
  hooks_.calculate();
  SetStatus(Q(material::MaterialStatus(material)));
}

bool WeightPanel::FilterKeyEvent(int box, QEvent* event) {
  const auto* key = static_cast<QKeyEvent*>(event);
  char16_t typed = 0;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: typed = u'\r'; break;
    case Qt::Key_Backspace: typed = u'\b'; break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return false;  // navigation and editing keys, not characters
    default:
      if (key->text().isEmpty()) return false;
      typed = key->text().at(0).unicode();
  }
  // Enter has done its work once the focus has moved.
  return !CombSR_KeyPress(box, typed) || typed == u'\r';
}

bool WeightPanel::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress) {
    for (int i = 0; i < w_.CombSR.size(); ++i) {
      if (watched == w_.CombSR[i]) return FilterKeyEvent(i, event);
    }
  } else if (type == QEvent::MouseButtonRelease && watched == w_.LabPM) {
    LabPM_Click();
  } else if (type == QEvent::MouseButtonDblClick) {
    if (watched == w_.LabDanZhong) LabDanZhong_DblClick();
    for (int i = 0; i < 2; ++i) {
      if (watched == w_.LabSM[i]) LabSM_DblClick(i);
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace mevrik::app
