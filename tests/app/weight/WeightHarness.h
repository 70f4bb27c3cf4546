#pragma once
// A stand-in for the main window: the controls the weight side drives, under their control
// names and in the main window's places, and the kind switch's steps around the weight set-up.
#include <QMainWindow>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "ScriptedBoxes.h"
#include "app/config/RWini.h"
#include "app/main/WeightPanel.h"
#include "core/expr/EvaluateExpr.h"

namespace mevrik::testing {

class RecordingNotices final : public expr::Notices {
public:
  void show(expr::BoxKind, std::u16string_view, std::u16string_view text) override {
    texts << QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  }
  QStringList texts;
};

class WeightHarness {
public:
  WeightHarness();

  // The kind switch of the main window: nothing when the kind is already selected.
  void SelectKind(int kind);

  template <typename T>
  T* Find(const QString& name) const { return window.findChild<T*>(name); }

  QMainWindow window;
  QTemporaryDir folder;
  fakes::ScriptedBoxes boxes;
  std::unique_ptr<config::RWini> ini;
  RecordingNotices notices;

  int currentKind = 0;
  material::CatalogueState catalogue;
  material::MaterialChoice material;
  expr::PrecisionMode precision = expr::PrecisionMode::SmartLow;
  float toHDu = expr::kDegreeFactor;
  expr::NoticeFlags flags;

  QStringList titles;      // middles of the window titles set
  int copies = 0;          // auto-copy steps run
  QList<int> holeWindows;  // section kinds the connection-hole window was opened with
  std::unique_ptr<app::WeightPanel> panel;
};

}  // namespace mevrik::testing
