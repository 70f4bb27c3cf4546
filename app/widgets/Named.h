#pragma once
// Gives a widget its control name, the way tests and the other windows find it: "okButton", or
// "parameterBoxes_2" for member 2 of an indexed group.
#include <QString>
#include <QWidget>

namespace mevrik::widgets {

template <class W>
W* Named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

template <class W>
W* Named(W* widget, const QString& group, int index) {
  return Named(widget, group + u'_' + QString::number(index));
}

}  // namespace mevrik::widgets
