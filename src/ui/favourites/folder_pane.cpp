// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/favourites/folder_pane.h"

#include "config/text_file.h"
#include "favourites/add_favourite.h"
#include "library/folders/folder_window_rules.h"
#include "ui/favourites/folder_tree_view.h"
#include "ui/favourites/make_folder_form.h"
#include "ui/library/folder_form.h"

#include <QLocale>
#include <QMouseEvent>
#include <QScreen>
#include <QTreeWidget>
#include <QWheelEvent>

namespace kasumori::ui {

namespace {

QString LastPart(const QString& path) { return path.mid(path.lastIndexOf(u'\\') + 1); }

}  // namespace

FavouritesFolderPane::FavouritesFolderPane(FolderPaneParts parts, QWidget& panel, QTreeWidget& tree)
    : QObject(&panel), p_(std::move(parts)), panel_(panel), view_(tree) {
  StyleFolderTree(view_);
  // The tree never keeps the focus: the keys that walk it belong to the window.
  view_.setFocusPolicy(Qt::NoFocus);
  connect(&view_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { SelectNode(NodeOfItem(item), expanding_); });
  // Opening or closing a node by its button chooses it too, without opening it again.
  auto chooseExpanded = [this](QTreeWidgetItem* item) {
    expanding_ = true;
    view_.setCurrentItem(item);
    expanding_ = false;
  };
  connect(&view_, &QTreeWidget::itemExpanded, this, chooseExpanded);
  connect(&view_, &QTreeWidget::itemCollapsed, this, chooseExpanded);
  panel_.installEventFilter(this);
  view_.viewport()->installEventFilter(this);
}

void FavouritesFolderPane::Rebuild() {
  const QCollator order{QLocale()};
  tree_ = favourites::BuildFolderTree(p_.store.FolderList(), Folder(), order);
  const QSignalBlocker quiet(view_);
  items_ = ShowFolderTree(view_, tree_);
  p_.store.*p_.folder = tree_.nodes[tree_.current].path;
}

void FavouritesFolderPane::SelectNode(int node, bool fromExpand) {
  if (node < 0 || node >= int(tree_.nodes.size())) return;
  tree_.current = node;
  const QString& path = tree_.nodes[node].path;
  if (path == Folder()) return;
  if (!fromExpand) {
    const QSignalBlocker quiet(view_);
    items_[node]->setExpanded(true);
  }
  p_.store.*p_.folder = path;
  if (p_.folderChanged) p_.folderChanged();
}

void FavouritesFolderPane::Previous() {
  if (const auto step = favourites::PreviousFolder(tree_, tree_.current)) StepTo(*step);
}

void FavouritesFolderPane::Next() { StepTo(favourites::NextFolder(tree_, tree_.current)); }

void FavouritesFolderPane::StepTo(const favourites::FolderStep& step) {
  {
    const QSignalBlocker quiet(view_);
    for (int node : step.collapse) items_[node]->setExpanded(false);
  }
  view_.setCurrentItem(items_[step.node]);
}

int FavouritesFolderPane::NodeAt(QPoint viewportPoint) const {
  return NodeOfItem(view_.itemAt(viewportPoint));
}

bool FavouritesFolderPane::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    if (p_.uiReady) {
      const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
      if (delta < 0) Next();
      if (delta > 0) Previous();
    }
    return true;
  }
  if (event->type() == QEvent::MouseButtonPress && watched == view_.viewport()) {
    const auto& press = static_cast<QMouseEvent&>(*event);
    if (!p_.uiReady) return true;
    if (press.button() != Qt::RightButton) return false;
    const int node = NodeAt(press.position().toPoint());
    if (node < 0) return true;
    view_.setCurrentItem(items_[node]);
    OpenFolderMenu(node, press.globalPosition().toPoint(), false);
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void FavouritesFolderPane::MakeFolder() {
  for (;;) {
    TMakeFolderForm form(&p_.window, p_.dialogs);
    if (form.exec() != QDialog::Accepted) return;
    const QString path = favourites::NewFolderPath(Folder(), form.FolderName());
    if (p_.store.FolderList().contains(path)) {
      p_.dialogs.Notice(favourites::FolderExistsNotice());
      continue;
    }
    try {
      if (p_.store.CreateFolder(Folder(), form.FolderName()) !=
          favourites::FolderCreateOutcome::Created) {
        return;
      }
    } catch (const config::TextFileError& error) {
      ReportWriteFailure(error);
      return;
    }
    p_.store.*p_.folder = path;
    Rebuild();
    if (p_.folderChanged) p_.folderChanged();
    return;
  }
}

// Shows the answer's notice; true when the window is done. A write that failed is reported
// and leaves the window open, the store as it was.
bool FavouritesFolderPane::Answer(const favourites::FolderMenuAnswer& answer) {
  if (!answer.notice.isEmpty()) p_.dialogs.Notice(answer.notice);
  return answer.done;
}

void FavouritesFolderPane::OpenFolderMenu(int node, QPoint globalPointer, bool renameOnly) {
  const QString folder = tree_.nodes[node].path;
  const bool root = folder.isEmpty();
  const QString shown = root ? QString::fromUtf8(favourites::kFavouritesRootText) : folder;
  enum class After { Nothing, Renamed, Deleted, Made } after = After::Nothing;
  QString made;
  FolderFormActions actions;
  auto guarded = [this](auto work) {
    try {
      return work();
    } catch (const config::TextFileError& error) {
      ReportWriteFailure(error);
      return false;
    }
  };
  actions.rename = [&, guarded](const QString& typedName) {
    return guarded([&] {
      const bool done = Answer(favourites::RenameFavouritesFolder(p_.store, folder, typedName));
      if (done) after = After::Renamed;
      return done;
    });
  };
  actions.remove = [&, guarded] {
    return guarded([&] {
      const auto previous = favourites::PreviousFolder(tree_, node);
      const bool done = Answer(favourites::DeleteFavouritesFolder(p_.store, folder, p_.owner));
      if (done) {
        after = After::Deleted;
        if (previous) p_.store.*p_.folder = tree_.nodes[previous->node].path;
      }
      return done;
    });
  };
  actions.makeFolder = [&, guarded] {
    return guarded([&] {
      const bool done = Answer(favourites::MakeNewFavouritesFolder(p_.store, folder, made));
      if (done) after = After::Made;
      return done;
    });
  };
  const auto kind = renameOnly ? FolderFormKind::Short
                    : root     ? FolderFormKind::Root
                               : FolderFormKind::Full;
  TFolderForm form(&p_.window,
                   {shown, shown, root ? shown : LastPart(folder), kind, std::move(actions)});
  const QScreen* screen = p_.window.screen();
  form.move(library::FolderWindowPosition(globalPointer, form.size(), screen->availableGeometry(),
                                          p_.mainWindow.frameGeometry()));
  form.exec();
  if (after == After::Nothing) return;
  if (after == After::Made) p_.store.*p_.folder = made;
  p_.uiReady = false;
  Rebuild();
  if (p_.folderChanged) p_.folderChanged();
  p_.uiReady = true;
  // A new folder is named at once.
  if (after == After::Made) OpenFolderMenu(tree_.current, globalPointer, true);
}

void FavouritesFolderPane::ReportWriteFailure(const std::exception& error) {
  // The path and the system's reason each get a line of their own.
  p_.dialogs.Notice(QString::fromStdString(error.what()).split(QStringLiteral(": ")));
}

}  // namespace kasumori::ui
