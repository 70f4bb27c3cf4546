#pragma once
// What the tool windows share: a top-level widget of its own that deletes itself when closed,
// found by its control name, and presented to assistive technology as a window named by its
// title (a plain widget with the window flag would be an anonymous pane to a screen reader).
#include <QWidget>

#include "app/widgets/EnteredText.h"

namespace mevrik::platform {
class MessageBoxes;
}

namespace mevrik::tools {

// The tool windows have no status line: a text a box refused is named in a notice box, shown
// once the change that the box undid has ended.
widgets::ShowRefusal RefusalNotice(platform::MessageBoxes& boxes, QWidget* window);

class ToolWindow : public QWidget {
  Q_OBJECT
public:
  ToolWindow(const QString& name, QWidget* parent);
};

}  // namespace mevrik::tools
