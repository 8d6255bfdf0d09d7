// SPDX-License-Identifier: GPL-3.0-or-later
// The favourites window's mouse: the thumbnails pressed, dragged onto the tree and released,
// the right button, the wheel, and the labels of the cell under the pointer.
#include "favourites/favourites_labels.h"
#include "ui/common/input_events.h"
#include "ui/common/view_image.h"
#include "ui/favourites/folder_pane.h"
#include "ui/favourites/okini_form.h"
#include "ui/thumbs/name_tag.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QWheelEvent>

namespace kasumori::ui {

namespace {

bool Contains(const QWidget& widget, QPoint global) {
  return widget.isVisible() && widget.rect().contains(widget.mapFromGlobal(global));
}

}  // namespace

int TOkiniForm::CellOf(const QObject* watched) const {
  for (int c = 1; c <= grid_.Cells(); ++c) {
    if (watched == cells_[c - 1] || watched == frames_[c - 1]) return c;
  }
  // The name label stands for the cell it hovers over.
  if (watched == nameTag_->Label()) return hoveredCell_;
  return 0;
}

bool TOkiniForm::eventFilter(QObject* watched, QEvent* event) {
  if (IsUserInput(*event) && !p_.uiReady) return true;
  switch (event->type()) {
    case QEvent::KeyPress:
      HandleKey(static_cast<QKeyEvent&>(*event));
      return true;  // Tab and the arrows never move the focus
    case QEvent::Enter:
      Hover(watched);
      break;
    case QEvent::Wheel:
      return HandleWheel(watched, static_cast<QWheelEvent&>(*event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      return HandleThumbMouse(watched, *event);
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

bool TOkiniForm::HandleWheel(QObject* watched, const QWheelEvent& wheel) {
  const bool thumbSide =
      watched == thumbPnl_ || CellOf(watched) > 0 || qobject_cast<QPushButton*>(watched) != nullptr;
  // The folder side's wheel is the tree pane's.
  if (!thumbSide) return watched != folderPnl_ && watched != tree_->viewport();
  const int delta = wheel.angleDelta().y();
  if (delta < 0) Move(favourites::PageMove::RowForward);
  if (delta > 0) Move(favourites::PageMove::RowBack);
  return true;
}

bool TOkiniForm::HandleThumbMouse(QObject* watched, QEvent& event) {
  const auto& mouse = static_cast<QMouseEvent&>(event);
  const QPoint global = mouse.globalPosition().toPoint();
  const int cell = CellOf(watched);
  const bool onThumbs = cell > 0 || watched == thumbPnl_;
  if (event.type() == QEvent::MouseMove) {
    if (!dragging_) Hover(watched);
    if (dragging_ && cell > 0) {
      static_cast<QWidget*>(watched)->setCursor(
          Contains(*tree_->viewport(), global) ? Qt::DragMoveCursor : Qt::PointingHandCursor);
    }
    // A move over a cell ends there: passed on to the panel it would take the labels away.
    return cell > 0;
  }
  if (!onThumbs) return false;
  if (event.type() == QEvent::MouseButtonDblClick) {
    // The second press of a double click starts nothing; on the bare panel it closes.
    if (watched == thumbPnl_ && mouse.button() == Qt::LeftButton) reject();
    return true;
  }
  if (event.type() == QEvent::MouseButtonRelease) {
    if (mouse.button() == Qt::LeftButton && dragging_) Release(global);
    return true;
  }
  if (mouse.button() == Qt::LeftButton && cell > 0) Press(cell, global);
  if (mouse.button() == Qt::RightButton) RightPress(cell, global);
  return true;
}

void TOkiniForm::Press(int cell, QPoint) {
  if (page_->EntryInCell(p_.store.Folder(), cell) == nullptr) return;
  pressedCell_ = cell;
  dragging_ = true;
}

void TOkiniForm::Release(QPoint global) {
  dragging_ = false;
  const int cell = pressedCell_;
  cells_[cell - 1]->setCursor(Qt::PointingHandCursor);
  if (Contains(*cells_[cell - 1], global) || Contains(*nameTag_->Label(), global)) {
    return OpenFavourite(cell);
  }
  if (Contains(*tree_->viewport(), global)) {
    const int node = pane_->NodeAt(tree_->viewport()->mapFromGlobal(global));
    if (node >= 0) DropOnFolder(cell, node);
  }
}

void TOkiniForm::RightPress(int cell, QPoint global) {
  // A frame lies behind its cell: a press that reaches it missed the picture.
  const bool onPicture = cell > 0 && Contains(*cells_[cell - 1], global);
  if (onPicture && page_->EntryInCell(p_.store.Folder(), cell) != nullptr) {
    Redraw(page_->ToggleCell(p_.store.Folder(), cell));
    return;
  }
  popup_->exec(global);
}

void TOkiniForm::Hover(QObject* watched) {
  if (watched == nameTag_->Label()) return;
  const int cell = CellOf(watched);
  const favourites::FavouriteEntry* entry = cell > 0 && watched == cells_[cell - 1]
                                                ? page_->EntryInCell(p_.store.Folder(), cell)
                                                : nullptr;
  if (entry == nullptr) {
    nameTag_->Hide();
    hoveredCell_ = 0;
    return;
  }
  if (cell == hoveredCell_) return;
  nameTag_->ShowTexts(*cells_[cell - 1], favourites::NameLabelText(entry->Name),
                      favourites::TypeLabelText(entry->Name), 0, 77);
  hoveredCell_ = cell;
}

void TOkiniForm::RefreshHover() {
  for (int c = 1; c <= grid_.Cells(); ++c) {
    if (Contains(*cells_[c - 1], QCursor::pos())) return Hover(cells_[c - 1]);
  }
  Hover(this);
}

}  // namespace kasumori::ui
