// SPDX-License-Identifier: GPL-3.0-or-later
// The wide thumbnail window: a borderless window below the strip with the 39 photos that
// follow it, in 5 rows of 8, and its own scrolling buttons and keys.
#pragma once

#include "library/photo_list.h"
#include "config/settings.h"
#include "thumbs/thumbnail_cache.h"
#include "ui/thumbs/name_tag.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace kasumori::ui {

class ThumbStrip;
class ViewImage;

struct WideThumbParts {
  ThumbStrip& strip;
  QWidget& mainWindow;
  QWidget& thumbPnl;  // the strip panel the window opens below
  library::PhotoList& list;
  const config::Settings& settings;
  thumbs::ThumbnailCache& thumbnails;
  std::function<bool()> uiReady;
  std::function<void(bool shift)> nextPhoto;
  std::function<void(bool shift)> previousPhoto;
  std::function<void()> refreshThumbnail;  // the shown photo's, without the explanation
  std::function<void()> previousFolder;
  std::function<void()> nextFolder;
  // The main window's guard against piled-up input, shared so that a held key or a fast wheel
  // does not queue steps behind a slow redraw in either window: whether input is being dropped
  // now, and the call that drops it until the event loop has caught up.
  std::function<bool()> inputPiledUp;
  std::function<void()> dropPiledUpInput;
  std::function<void()> keyboardHelp;
};

class TWideThumbForm final : public QWidget {
  Q_OBJECT

 public:
  explicit TWideThumbForm(WideThumbParts parts);
  ~TWideThumbForm() override;

  void Open();
  void Close();
  // Greys and fills the 39 cells for the current position (only while the window is shown).
  void RefreshCells(config::Direction direction);
  // The two halves of RefreshCells, for the strip that redraws both windows.
  void ClearCells();
  void DrawCells(config::Direction direction);
  ViewImage* Cell(int cell) const { return cells_[cell - 9]; }
  QLabel* NameTagLabel() const { return tag_->Label(); }
  // The wide cell (9..47) that shows the tag, 0 when none does.
  int NameTagCell() const;
  // The strip keeps the tag state of both windows and calls these; false when the cell
  // shows no photo.
  bool ShowNameTag(int cell);
  void HideNameTag() { tag_->Hide(); }
  void ForgetNameTag() { tag_->Forget(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void CreateButtons();
  void OnKey(const QKeyEvent& event);
  bool HandleKey(int key, bool shift, bool ctrl);
  void DrawCell(int cell);
  int CellOf(QObject* watched) const;
  bool PanelEvent(QEvent* event);
  bool CellPressed(int cell, const QMouseEvent& event);

  WideThumbParts p_;
  QWidget* panel_;
  QPushButton* dummyBtn_;
  ViewImage* cells_[39] = {};
  std::unique_ptr<NameTag> tag_;
};

}  // namespace kasumori::ui
