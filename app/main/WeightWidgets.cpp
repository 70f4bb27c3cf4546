#include "app/main/WeightWidgets.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "app/main/MainControls.h"

namespace mevrik::app {
namespace {

template <typename T>
T* Find(QObject* window, const QString& name) {
  T* found = window->findChild<T*>(name);
  if (!found) qFatal("weight panel: no control %s", qPrintable(name));
  return found;
}

template <typename T>
QList<T*> FindGroup(QObject* window, const char* name, int count) {
  QList<T*> group;
  for (int i = 0; i < count; ++i)
    group << Find<T>(window, QLatin1String(name) + QLatin1Char('_') + QString::number(i));
  return group;
}

}  // namespace

WeightWidgets FindWeightWidgets(QObject* window) {
  WeightWidgets w;
  w.CombSR = FindGroup<QComboBox>(window, "CombSR", 4);
  w.LabSM = FindGroup<QLabel>(window, "LabSM", 4);
  w.LabPM = Find<QLabel>(window, QStringLiteral("LabPM"));
  w.LabDanZhong = Find<QLabel>(window, QStringLiteral("LabDanZhong"));
  w.LabJieGuo = Find<QLabel>(window, QStringLiteral("LabJieGuo"));
  w.TxtJieGuo = Find<QLineEdit>(window, QStringLiteral("TxtJieGuo"));
  w.CmdOK = Find<QPushButton>(window, QStringLiteral("CmdOK"));
  w.LabStB = FindGroup<QLabel>(window, "LabStB", status::CellCount);
  w.MnuLeiBie = Find<QMenu>(window, QStringLiteral("MnuLeiBie"));
  w.MnuLB = FindGroup<QAction>(window, "MnuLB", 3);
  w.MSCaiZhi = FindGroup<QAction>(window, "MSCaiZhi", 4);
  return w;
}

}  // namespace mevrik::app
