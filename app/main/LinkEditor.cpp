#include "app/main/LinkEditor.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "app/config/ConfigKeys.h"
#include "app/main/LinkMenus.h"
#include "core/text/BaseName.h"
#include "platform/CoreText.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

namespace mevrik::main {

namespace links = config::keys::links;
namespace {

// A row keeps its two fields beside its text, so a name that itself holds a run of 36 blanks
// never swallows the target when the row is read back.
constexpr int kNameRole = Qt::UserRole;
constexpr int kTargetRole = Qt::UserRole + 1;

constexpr const char* kButtonCaptions[] = {"删除",     "添加",     "上移",     "下移",
                                           "编辑名称", "编辑路径", "保存更改", "关  闭"};

const QString kNamePrompt = QStringLiteral("请输入菜单名称：");
const QString kNameTitle = QStringLiteral("菜单名称");

QString Trimmed(const std::optional<QString>& answer) {
  return answer ? answer->trimmed() : QString();
}

}  // namespace

LinkEditor::LinkEditor(LinkEditorWindow window, LinkEditorServices services, QObject* parent)
    : QObject(parent), w_(window), s_(services), store_(services.ini) {
  BuildPanel();
  w_.linkEditorPanel->hide();
}

void LinkEditor::BuildPanel() {
  QWidget* panel = w_.linkEditorPanel;
  panel->setObjectName("linkEditorPanel");
  // An opaque panel over the calculator and the kind selectors, which it covers while open.
  panel->setAutoFillBackground(true);
  optGroup_ = new QButtonGroup(panel);
  const char* const optCaptions[] = {"【链接】菜单", "【其它】菜单"};
  for (int i = 0; i < 2; ++i) {
    placeButtons_[i] = new QRadioButton(QString::fromUtf8(optCaptions[i]), panel);
    placeButtons_[i]->setObjectName("placeButtons_" + QString::number(i));
    optGroup_->addButton(placeButtons_[i], i);
  }
  placeButtons_[0]->setChecked(true);
  connect(optGroup_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) onPlaceChosen(id);
  });

  linkList_ = new QListWidget(panel);
  linkList_->setObjectName("linkList");
  linkList_->setSelectionMode(QAbstractItemView::SingleSelection);
  // Every row is one line: the list lays out tens of thousands of them without measuring each.
  linkList_->setUniformItemSizes(true);
  connect(linkList_, &QListWidget::itemSelectionChanged, this, &LinkEditor::onLinkSelected);

  for (int i = 0; i < ButtonCount; ++i) {
    editorButtons_[i] = new QPushButton(QString::fromUtf8(kButtonCaptions[i]), panel);
    editorButtons_[i]->setObjectName("editorButtons_" + QString::number(i));
    connect(editorButtons_[i], &QPushButton::clicked, this, [this, i] { onEditorButtonClicked(i); });
  }
  linkCount_ = new QLabel(panel);
  linkCount_->setObjectName("linkCount");
  editorNote_ = new QLabel("★ 只有 保存 修改才会生效 ★", panel);
  editorNote_->setObjectName("editorNote");
  editorNote_->setStyleSheet("color: red;");
  placeCaption_ = new QLabel("↓位置↓", panel);
  placeCaption_->setObjectName("placeCaption");
  placeCaption_->setAlignment(Qt::AlignCenter);

  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->addWidget(placeButtons_[0], 0, 0);
  grid->addWidget(placeButtons_[1], 1, 0);
  grid->addWidget(linkCount_, 2, 0);
  grid->addWidget(linkList_, 0, 1, 4, 1);
  grid->addWidget(editorButtons_[MoveUp], 0, 2);
  grid->addWidget(placeCaption_, 1, 2);
  grid->addWidget(editorButtons_[MoveDown], 2, 2);
  grid->addWidget(editorButtons_[Add], 0, 3);
  grid->addWidget(editorButtons_[Delete], 1, 3);
  grid->addWidget(editorButtons_[EditName], 0, 4);
  grid->addWidget(editorButtons_[EditPath], 1, 4);
  grid->addWidget(editorButtons_[Save], 0, 5);
  grid->addWidget(editorButtons_[Close], 1, 5);
  grid->addWidget(editorNote_, 2, 3, 1, 3, Qt::AlignCenter);
  grid->setColumnStretch(1, 1);
}

QString LinkEditor::LinkSection() const {
  return placeButtons_[0]->isChecked() ? links::LinksSection : links::OthersSection;
}

void LinkEditor::onEditLinksChosen() {
  if (w_.linkEditorPanel->isHidden()) focusBefore_ = w_.calculatorPanel->window()->focusWidget();
  Reload();
  w_.settingsMenu->menuAction()->setEnabled(false);
  w_.kindMenu->menuAction()->setEnabled(false);
  EnableLinkMenus();
  w_.calculatorPanel->hide();
  w_.linkEditorPanel->raise();
  w_.linkEditorPanel->show();
  ShowCount();
  editorNote_->hide();
  // Whatever was selected before the editor last closed is gone with the reload.
  onLinkSelected();
}

void LinkEditor::Reload() {
  linkList_->clear();
  for (const LinkRecord& link : store_.Links(LinkSection())) AppendRecord(link);
}

void LinkEditor::EnableLinkMenus() {
  w_.linksMenu->menuAction()->setEnabled(placeButtons_[0]->isChecked());
  w_.othersMenu->menuAction()->setEnabled(placeButtons_[1]->isChecked());
}

// Switching menus discards the unsaved edits of the other one.
void LinkEditor::onPlaceChosen(int index) {
  if (!placeButtons_[index]->isChecked()) {
    placeButtons_[index]->setChecked(true);  // its toggle runs this handler again
    return;
  }
  onEditLinksChosen();
}

void LinkEditor::onLinkSelected() {
  const int s = SelectedRow();
  const int c = linkList_->count();
  for (int i = Delete; i <= EditPath; ++i) editorButtons_[i]->setEnabled(false);
  editorButtons_[Add]->setEnabled(true);
  if (s < 0) return;
  for (int i : {Delete, EditName, EditPath}) editorButtons_[i]->setEnabled(true);
  editorButtons_[MoveUp]->setEnabled(s > 0);
  editorButtons_[MoveDown]->setEnabled(s + 1 < c);
}

void LinkEditor::onEditorButtonClicked(int index) {
  // The enabled states say which buttons make sense for the selection; a disabled one does
  // nothing, however it is reached.
  if (index < 0 || index >= ButtonCount || !editorButtons_[index]->isEnabled()) return;
  editorNote_->show();
  const int s = SelectedRow();
  switch (index) {
    case Delete:
      delete linkList_->takeItem(s);
      SelectRow(s >= 1 ? s - 1 : -1);
      break;
    case Add:
      if (!AddLink()) return;
      break;
    case MoveUp: MoveRow(s, s - 1); break;
    case MoveDown: MoveRow(s, s + 1); break;
    case EditName: RenameLink(s); break;
    case EditPath: RetargetLink(s); break;
    case Save: SaveLinks(); break;
    case Close: CloseEditor(); break;
  }
  onLinkSelected();
}

bool LinkEditor::AddLink() {
  const QString path = ChooseFile();
  if (path.isEmpty()) return false;
  const QString baseName = platform::Q(text::GetBaseName(path.toStdU16String()));
  QString name = Trimmed(s_.boxes.input(kNameTitle, kNamePrompt, baseName, s_.owner));
  if (name.isEmpty()) name = baseName.trimmed();
  AppendRecord({name, path.trimmed()});
  return true;
}

void LinkEditor::RenameLink(int row) {
  LinkRecord link = RecordAt(row);
  const QString answer = Trimmed(s_.boxes.input(kNameTitle, kNamePrompt, link.LinkName, s_.owner));
  if (!answer.isEmpty()) {
    link.LinkName = answer;
    SetRecord(row, link);
  }
  SelectRow(-1);
}

void LinkEditor::RetargetLink(int row) {
  LinkRecord link = RecordAt(row);
  const QString answer = Trimmed(s_.boxes.input(
      "链接名称", "  请输入链接路径：\r\n\r\n(路径可为文件、文件夹或网址)", link.LinkTarget, s_.owner));
  if (!answer.isEmpty()) {
    link.LinkTarget = answer;
    SetRecord(row, link);
  }
  SelectRow(-1);
}

void LinkEditor::SaveLinks() {
  const QString section = LinkSection();
  QList<LinkRecord> records;
  QStringList names;
  for (int i = 0; i < linkList_->count(); ++i) {
    records << RecordAt(i);
    names << records.constLast().LinkName;
  }
  store_.Save(section, records);
  s_.menus.ShowLinks(section, names);
  ShowCount();
  editorNote_->hide();
}

void LinkEditor::CloseEditor() {
  w_.linkEditorPanel->hide();
  w_.calculatorPanel->show();
  for (QMenu* menu : {w_.settingsMenu, w_.linksMenu, w_.kindMenu, w_.othersMenu})
    menu->menuAction()->setEnabled(true);
  // Hiding the panel left the focus on whatever came next in the tab order; typing goes back
  // where it went before the editor opened.
  const auto canType = [](const QWidget* widget) {
    return widget && widget->isVisible() && widget->isEnabled();
  };
  if (canType(focusBefore_)) {
    focusBefore_->setFocus();
  } else if (canType(w_.expressionBox)) {
    w_.expressionBox->setFocus();
  }
}

QString LinkEditor::ChooseFile() {
  platform::OpenFileRequest request;
  request.title = "选择文件";
  request.filterName = "所有文件(*.*)";
  request.filterPattern = "*.*";
  request.owner = s_.owner;
  return s_.files.openFile(request);
}

int LinkEditor::SelectedRow() const {
  const QList<QListWidgetItem*> selected = linkList_->selectedItems();
  return selected.isEmpty() ? -1 : linkList_->row(selected.constFirst());
}

void LinkEditor::SelectRow(int row) {
  if (row < 0) {
    linkList_->setCurrentRow(-1);
    linkList_->clearSelection();
    return;
  }
  linkList_->setCurrentRow(row);
}

LinkRecord LinkEditor::RecordAt(int row) const {
  const QListWidgetItem* item = linkList_->item(row);
  return {item->data(kNameRole).toString(), item->data(kTargetRole).toString()};
}

void LinkEditor::SetRecord(int row, const LinkRecord& link) {
  QListWidgetItem* item = linkList_->item(row);
  item->setText(LinkRowText(link));
  item->setData(kNameRole, link.LinkName);
  item->setData(kTargetRole, link.LinkTarget);
}

void LinkEditor::AppendRecord(const LinkRecord& link) {
  linkList_->addItem(QString());
  SetRecord(linkList_->count() - 1, link);
}

void LinkEditor::MoveRow(int from, int to) {
  QListWidgetItem* item = linkList_->takeItem(from);
  linkList_->insertItem(to, item);
  SelectRow(to);
}

void LinkEditor::ShowCount() {
  linkCount_->setText("共有 " + QString::number(linkList_->count()) + " 个链接");
}

}  // namespace mevrik::main
