// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/library/folder_panel_view.h"

#include "library/folders/path_label.h"
#include "thumbfiles/thumbnail_files.h"
#include "ui/library/folder_form.h"
#include "ui/library/photo_drag.h"
#include "ui/library/tree_icons.h"
#include "ui/common/kasumori_style.h"
#include "ui/shell/main_panels.h"

#include <QApplication>
#include <QLabel>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

namespace kasumori::ui {

FolderPanelView::FolderPanelView(FolderPanelViewParts parts)
    : p_(std::move(parts)),
      panel_(p_.settings, p_.folders, p_.list, tree_, p_.dialogs, p_.picker,
             p_.dataFolders.DesktopFolder, MakeHooks()) {
  tree_.SetHooks({[](bool busy) {
                    busy ? QApplication::setOverrideCursor(Qt::WaitCursor)
                         : QApplication::restoreOverrideCursor();
                  },
                  [this](const QStringList& lines) { p_.dialogs.Notice(lines); }});
  connect(&watcher_, &library::TDirectoryWatcher::OnChange, this, [this](const QString&) {
    library::HandleFolderChange(p_.folders, [this] { p_.controller.RefreshFolder(); });
  });
  ConnectControls();
}

library::FolderPanelHooks FolderPanelView::MakeHooks() {
  library::FolderPanelHooks hooks;
  hooks.uiReady = p_.uiReady;
  hooks.checkRadio = [this](int slot) {
    for (int i = 0; i < 3; ++i) {
      QRadioButton* radio = p_.panels.folderRadio[i];
      radio->setAutoExclusive(false);
      radio->setChecked(i + 1 == slot);
      radio->setAutoExclusive(true);
    }
  };
  hooks.updateLabels = [this] { UpdateFolderLabels(); };
  hooks.saveSettings = p_.saveSettings;
  hooks.scanFolder = [this] { p_.controller.ScanFolder(); };
  hooks.clearStrip = p_.clearStrip;
  hooks.refreshStrip = p_.refreshStrip;
  hooks.detachShownPhoto = p_.detachShownPhoto;
  // The model may drop nodes the view still shows: redraw once the current event is done.
  hooks.treeChanged = [this] { QTimer::singleShot(0, this, [this] { ShowTree(); }); };
  return hooks;
}

void FolderPanelView::ConnectControls() {
  MainPanels& panels = p_.panels;
  for (int i = 0; i < 3; ++i) {
    const int slot = i + 1;
    connect(panels.folderRadio[i], &QRadioButton::clicked, this, [this, slot] {
      p_.panels.dummyBtn->setFocus();
      panel_.SelectSlot(slot);
    });
    connect(panels.folderBtn[i], &QPushButton::clicked, this, [this, slot] {
      p_.panels.dummyBtn->setFocus();
      panel_.SetSlotFolder(slot);
    });
    panels.folderLbl[i]->installEventFilter(this);
    panels.folderLblB[i]->installEventFilter(this);
  }
  connect(panels.openBtn, &QPushButton::clicked, this, [this] {
    p_.panels.dummyBtn->setFocus();
    panel_.ChooseOtherFolder();
  });
  QTreeWidget* view = panels.folderTree;
  view->setAcceptDrops(true);
  view->viewport()->setAcceptDrops(true);
  view->viewport()->installEventFilter(this);
  auto toggled = [this](QTreeWidgetItem* item, bool expanded) {
    library::FolderNode* node = nodes_.value(item);
    if (showing_ || !node) return;
    node->expanded = expanded;
    panel_.OnTreeButton(*node);
    // The node's photos are now listed: the highlight follows them.
    if (tree_.Selected() == node) item->treeWidget()->setCurrentItem(item);
    // The tree view takes a click on a node's button without an item press, so no press is
    // left to swallow: a flag left set would eat the user's next real click.
    tree_.TreeClickConsumed = false;
  };
  connect(view, &QTreeWidget::itemExpanded, this,
          [toggled](QTreeWidgetItem* item) { toggled(item, true); });
  connect(view, &QTreeWidget::itemCollapsed, this,
          [toggled](QTreeWidgetItem* item) { toggled(item, false); });
  connect(view, &QTreeWidget::itemPressed, this, [this](QTreeWidgetItem* item, int) {
    p_.panels.dummyBtn->setFocus();
    const bool right = pressedButton_ == Qt::RightButton;
    library::FolderNode* node = nodes_.value(item);
    // Taken first: the press may reload the tree's nodes.
    const QString folder = node ? tree_.FolderOf(*node) : QString();
    const bool folderWindow = panel_.OnTreeMouseDown(node, right);
    ShowTree();
    if (folderWindow) OpenFolderWindow(folder, pressedAt_, false);
  });
}

// The tree takes photos dragged from the photo view or the strip: a drop on a node moves the
// photo into that node's folder.
// Files dragged from other programs are refused: the tree moves only the program's own photos.
std::optional<library::DragSource> FolderPanelView::DragOrigin(const QDropEvent& drop) const {
  const auto* source = qobject_cast<const QWidget*>(drop.source());
  if (!source) return std::nullopt;
  if (source == p_.photoView) return library::DragSource::PhotoView;
  if (p_.strip && p_.strip->isAncestorOf(source)) return library::DragSource::Strip;
  return std::nullopt;
}

bool FolderPanelView::HandleDrop(QEvent* event) {
  QTreeWidget* view = p_.panels.folderTree;
  auto* drop = static_cast<QDropEvent*>(event);
  const std::optional<QString> photo = DraggedPhotoPath(*drop->mimeData());
  const auto origin = DragOrigin(*drop);
  QTreeWidgetItem* item = view->itemAt(drop->position().toPoint());
  if (!photo || !origin || !nodes_.value(item)) {
    drop->ignore();
    return true;
  }
  drop->setDropAction(Qt::MoveAction);
  drop->accept();
  if (event->type() == QEvent::Drop) {
    DropPhoto(*photo, item, *origin);
  }
  return true;
}

void FolderPanelView::DropPhoto(const QString& photoPath, QTreeWidgetItem* item,
                                library::DragSource from) {
  library::FolderNode* node = nodes_.value(item);
  if (node && p_.dropPhoto) p_.dropPhoto(photoPath, tree_.FolderOf(*node), from);
}

bool FolderPanelView::eventFilter(QObject* watched, QEvent* event) {
  // The wheel walks the folders, as anywhere over the tree's panel; the tree never scrolls by it.
  if (watched == p_.panels.folderTree->viewport() && event->type() == QEvent::Wheel) {
    QCoreApplication::sendEvent(p_.panels.folderTree->window(), event);
    return true;
  }
  if (watched == p_.panels.folderTree->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    pressedAt_ = mouse->globalPosition().toPoint();
    pressedButton_ = mouse->button();
    return false;
  }
  if (watched == p_.panels.folderTree->viewport() &&
      (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
       event->type() == QEvent::Drop)) {
    return HandleDrop(event);
  }
  if (event->type() != QEvent::MouseButtonPress) return QObject::eventFilter(watched, event);
  for (int i = 0; i < 3; ++i) {
    if (watched == p_.panels.folderLbl[i] || watched == p_.panels.folderLblB[i]) {
      p_.panels.dummyBtn->setFocus();
      panel_.SelectSlot(i + 1);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

library::FriendlyFolders FolderPanelView::Friendly() const {
  return {p_.dataFolders.PicturesFolder, p_.dataFolders.DocumentsFolder,
          p_.dataFolders.DesktopFolder};
}

library::FolderRenameHooks FolderPanelView::RenameHooks() {
  const int slot = p_.folders.CurrentSlot;
  const QString oldRoot = p_.settings.PhotoFolder(slot);
  library::FolderRenameHooks hooks;
  // Called once the slots took the new path, so the slot's root may have changed too.
  hooks.renameThumbnailCache = [this, slot, oldRoot](const QString& from, const QString& to) {
    const QString& thumbnails = p_.dataFolders.ThumbnailFolder;
    thumbfiles::MoveThumbnailFolder(
        thumbfiles::ThumbnailFolderOf(thumbnails, slot, oldRoot, from),
        thumbfiles::ThumbnailFolderOf(thumbnails, slot, p_.settings.PhotoFolder(slot), to));
  };
  hooks.renameFavouritePaths = p_.renameFavouritePaths;
  hooks.followShownPhoto = p_.followShownPhoto;
  return hooks;
}

void FolderPanelView::OpenFolderWindow(const QString& folder, QPoint pointer, bool shortForm) {
  QWidget* owner = p_.panels.folderTree->window();
  const QFontMetrics metrics(p_.panels.folderLbl[0]->font());
  const QString line = library::OneLinePath(
      folder, p_.panels.folderPnl->width() - library::kLabelWidthMargin,
      [&metrics](const QString& text) { return metrics.horizontalAdvance(text); }, Friendly());
  QString made;
  FolderFormActions actions;
  actions.rename = [this, folder](const QString& typedName) {
    using library::FolderRenameOutcome;
    const auto outcome = library::RenameFolder(panel_, folder, typedName, RenameHooks());
    return outcome == FolderRenameOutcome::Renamed || outcome == FolderRenameOutcome::Unchanged;
  };
  // The folder is gone once deleted: nothing is left for the window to work on.
  actions.remove = [this, folder] { return library::DeleteEmptyFolder(panel_, folder); };
  actions.makeFolder = [this, folder, &made] {
    made = library::MakeNewFolder(panel_, folder).value_or(QString());
    return !made.isEmpty();
  };
  TFolderForm form(owner,
                   {folder, line, QFileInfo(folder).fileName(),
                    shortForm ? FolderFormKind::Short : FolderFormKind::Full, std::move(actions)});
  const QScreen* screen = owner->screen();
  form.move(library::FolderWindowPosition(pointer, form.size(), screen->availableGeometry(),
                                          owner->frameGeometry()));
  form.exec();
  ShowTree();
  p_.panels.dummyBtn->setFocus();
  // A new folder is named at once, in the short window.
  if (!made.isEmpty()) OpenFolderWindow(made, pointer, true);
}

void FolderPanelView::UpdateFolderLabels() {
  MainPanels& panels = p_.panels;
  const QFontMetrics metrics(panels.folderLbl[0]->font());
  const library::FriendlyFolders friendly = Friendly();
  const auto labels = library::FolderLabels(
      p_.settings, panels.folderPnl->width(),
      [&metrics](const QString& text) { return metrics.horizontalAdvance(text); }, friendly);
  for (int i = 0; i < 3; ++i) {
    panels.folderLbl[i]->setText(labels[std::size_t(i)].line1);
    panels.folderLblB[i]->setText(labels[std::size_t(i)].line2);
    panels.LowerFolderLabel(i, labels[std::size_t(i)].lowered);
    SetHint(panels.folderLbl[i], labels[std::size_t(i)].toolTip);
    SetHint(panels.folderLblB[i], labels[std::size_t(i)].toolTip);
  }
}

void FolderPanelView::AddItems(QTreeWidgetItem* item, library::FolderNode& node) {
  nodes_.insert(item, &node);
  item->setIcon(0, TreeNodeIcon(node.kind));
  for (const auto& child : node.children) {
    auto* childItem = new QTreeWidgetItem(item, {child->text});
    AddItems(childItem, *child);
  }
  item->setExpanded(node.expanded);
  if (tree_.Selected() == &node) item->treeWidget()->setCurrentItem(item);
}

void FolderPanelView::ShowTree() {
  QTreeWidget* view = p_.panels.folderTree;
  showing_ = true;
  view->clear();
  nodes_.clear();
  if (library::FolderNode* root = tree_.Root()) {
    auto* item = new QTreeWidgetItem(view, {root->text});
    AddItems(item, *root);
  }
  showing_ = false;
}

}  // namespace kasumori::ui
