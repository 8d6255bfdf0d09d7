// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail strip across the top of the main window: eight cells around the current list
// position, the selection frame, the name tag, and the buttons that scroll it.
#pragma once

#include "library/folder_state.h"
#include "library/photo_list.h"
#include "shell/settings.h"
#include "thumbs/strip_scroll.h"
#include "thumbs/thumbnail_cache.h"
#include "ui/thumbs/name_tag.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>

class QLabel;
class QMouseEvent;
class QPushButton;
class QWidget;

namespace kasumori::ui {

class ViewImage;

struct ThumbStripParts {
  QWidget& thumbPnl;
  QPushButton& dummyBtn;
  library::PhotoList& list;
  library::FolderState& folders;
  const shell::Settings& settings;
  thumbs::ThumbnailCache& thumbnails;
  std::function<bool()> uiReady;
  // Shows the photo at the list position.
  std::function<void(int position)> showPhoto;
  // The wide thumbnail window below the strip (opened by a right click).
  std::function<void()> openWideWindow;
};

class ThumbStrip final : public QObject {
  Q_OBJECT

 public:
  explicit ThumbStrip(ThumbStripParts parts);

  // Redraws the cells around CurrentIndex, one by one as their thumbnails arrive, in the
  // list direction d; with hover the name tag follows the pointer afterwards.
  void RefreshStrip(int direction, bool hover);
  // Greys every cell without drawing the list: what the strip shows while no folder is listed.
  void ClearCells();
  void StepForward(int step);
  void StepBack(int step);
  void GoToStart();
  void GoToEnd();
  void HideNameTag();
  // The centre of the selection frame (41, 24 from its corner), on the screen.
  QPoint SelectionFrameCentre() const;
  // Makes the position current and shows its photo, as a click on its cell does.
  void SelectPosition(int position);
  // While the wide window is open its own page steps stop at its last cell.
  bool wideWindowShown = false;

  ViewImage* Cell(int cell) const { return cells_[cell - 1]; }
  QLabel* NameTagLabel() const { return tag_.Label(); }
  int NameTagCell() const { return nameTagCell_; }
  // Called while the strip draws: the wide window's cells follow the same positions.
  std::function<void(int direction)> refreshWideCells;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateCells();
  void CreateButtons();
  void DrawSelectionFrame();
  void DrawCell(int cell);
  void ShowNameTag(int cell);
  int CellOf(QObject* watched) const;
  void MoveTo(int index, int direction);
  void Select(int cell) {
    SelectPosition(thumbs::CellPosition(p_.list.CurrentIndex, cell, p_.settings.ListDirection));
  }
  void StartRepeat(QPushButton* button, std::function<bool()> step);
  bool CellPressed(int cell, QMouseEvent* event);

  ThumbStripParts p_;
  ViewImage* cells_[8] = {};
  ViewImage* selImg_ = nullptr;
  NameTag tag_;
  int nameTagCell_ = 0;
  int dragCell_ = 0;
  QPoint pressPosition_;
  bool skipNextHover_ = false;
  QTimer repeat_;
  QPushButton* repeatButton_ = nullptr;
  std::function<bool()> repeatStep_;
};

}  // namespace kasumori::ui
