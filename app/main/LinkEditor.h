#pragma once
// The link editor: the panel linkEditorPanel that takes the calculator panel's place while the user
// edits the links of one of the two link menus. The list is a working copy; the configuration
// file and the menu change only when the user saves.
#include <QObject>
#include <QPointer>
#include <QString>
#include <array>

#include "app/main/LinkStore.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;

namespace mevrik::config {
class ConfigFile;
}
namespace mevrik::platform {
class FileDialogs;
class MessageBoxes;
}  // namespace mevrik::platform

namespace mevrik::main {

class LinkMenus;

// The parts of the main window that the editor switches while it is open.
struct LinkEditorWindow {
  QWidget* calculatorPanel = nullptr;
  QWidget* linkEditorPanel = nullptr;  // filled with the editor's controls; hidden until opened
  QMenu* settingsMenu = nullptr;
  QMenu* kindMenu = nullptr;
  QMenu* linksMenu = nullptr;
  QMenu* othersMenu = nullptr;
  QWidget* expressionBox = nullptr;  // takes the typing after closing when nothing else had it
};

struct LinkEditorServices {
  config::ConfigFile& ini;
  LinkMenus& menus;
  platform::MessageBoxes& boxes;
  platform::FileDialogs& files;
  QWidget* owner = nullptr;  // the main window, owner of the dialogs
};

class LinkEditor final : public QObject {
  Q_OBJECT
public:
  enum Button { Delete, Add, MoveUp, MoveDown, EditName, EditPath, Save, Close, ButtonCount };

  LinkEditor(LinkEditorWindow window, LinkEditorServices services, QObject* parent = nullptr);

  void onEditLinksChosen();
  void onPlaceChosen(int index);
  void onLinkSelected();
  void onEditorButtonClicked(int index);
  // The chosen file's path, or an empty text when the user cancelled.
  QString ChooseFile();

  QString LinkSection() const;

private:
  void BuildPanel();
  void Reload();
  void EnableLinkMenus();
  int SelectedRow() const;
  void SelectRow(int row);
  LinkRecord RecordAt(int row) const;
  void SetRecord(int row, const LinkRecord& link);
  void AppendRecord(const LinkRecord& link);
  void MoveRow(int from, int to);
  void ShowCount();

  bool AddLink();
  void RenameLink(int row);
  void RetargetLink(int row);
  void SaveLinks();
  void CloseEditor();

  LinkEditorWindow w_;
  QPointer<QWidget> focusBefore_;  // where the user was typing when the editor opened
  LinkEditorServices s_;
  LinkStore store_;
  std::array<QRadioButton*, 2> placeButtons_{};
  QButtonGroup* optGroup_ = nullptr;
  QListWidget* linkList_ = nullptr;
  std::array<QPushButton*, ButtonCount> editorButtons_{};
  QLabel* linkCount_ = nullptr;
  QLabel* editorNote_ = nullptr;
  QLabel* placeCaption_ = nullptr;
};

}  // namespace mevrik::main
