// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail strip across the top of the main window: eight cells around the current list
// position, the selection frame, the name tag, and the buttons that scroll it.
#pragma once

#include "library/folder_state.h"
#include "library/photo_list.h"
#include "config/settings.h"
#include "thumbs/strip_scroll.h"
#include "thumbs/thumbnail_cache.h"
#include "ui/thumbs/name_tag.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <vector>

#include <functional>

class QLabel;
class QMouseEvent;
class QPushButton;
class QWidget;

namespace kasumori::ui {

class TWideThumbForm;
class ViewImage;

struct ThumbStripParts {
  QWidget& thumbPnl;
  QPushButton& dummyBtn;
  library::PhotoList& list;
  library::FolderState& folders;
  const config::Settings& settings;
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

  // The wide window registers itself: the strip redraws its cells and owns the one name tag
  // state of both windows.
  void AttachWideWindow(TWideThumbForm* wide) { wide_ = wide; }

  // What the name tag does on a redraw: hidden first, or following the pointer afterwards.
  enum class Hover { Hide, Update };
  // Redraws the cells around CurrentIndex, one by one as their thumbnails arrive, in the
  // given order.
  void RefreshStrip(config::Direction direction, Hover hover);
  // Greys every cell without drawing the list: what the strip shows while no folder is listed.
  void ClearCells();
  // The scrolling steps; true when the strip moved.
  bool StepForward(int step);
  bool StepBack(int step);
  void GoToStart();
  void GoToEnd();
  // The wide window's end: where its last cell shows the last photo.
  void GoToWideEnd();
  // Runs the step at once, then after 400 ms and every 100 ms while the button stays down
  // and the step still moves the strip.
  void RepeatWhileHeld(QPushButton* button, std::function<bool()> step);

  // The pointer moved over cell 1..47 (9..47 are the wide window's).
  void HoverOver(int cell);
  // Puts the tag on the cell under the pointer when it is not there yet.
  void UpdateHover();
  // The pointer left the cells: the tag goes and the cell gets its band back.
  void HideNameTag();
  // The centre of the selection frame (41, 24 from its corner), on the screen.
  QPoint SelectionFrameCentre() const;
  // Makes the position current and shows its photo, as a click on its cell does.
  void SelectPosition(int position);

  ViewImage* Cell(int cell) const { return cells_[cell - 1]; }
  QLabel* NameTagLabel() const { return tag_.Label(); }
  // The cell (1..47) that shows the tag, 0 when none does.
  int NameTagCell() const { return nameTagCell_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateCells();
  void CreateButtons();
  void DrawSelectionFrame();
  void DrawCell(int cell);
  std::vector<int> PositionsInDrawingOrder(config::Direction direction) const;
  void ShowNameTag(int cell);
  void TakeTagAway();
  bool WideShown() const;
  int CellOf(QObject* watched) const;
  void MoveTo(int index, config::Direction direction);
  void Select(int cell) {
    SelectPosition(thumbs::CellPosition(p_.list.CurrentIndex, cell, p_.settings.ListDirection));
  }
  bool CellPressed(int cell, QMouseEvent* event);
  bool PanelEvent(QEvent* event);

  ThumbStripParts p_;
  TWideThumbForm* wide_ = nullptr;
  ViewImage* cells_[8] = {};
  ViewImage* selImg_ = nullptr;
  NameTag tag_;
  int nameTagCell_ = 0;
  int hoverCell_ = 0;  // 0: the pointer is over no cell
  int dragCell_ = 0;
  QPoint pressPosition_;
  bool skipNextHover_ = false;
  QTimer repeat_;
  QPushButton* repeatButton_ = nullptr;
  std::function<bool()> repeatStep_;
};

}  // namespace kasumori::ui
