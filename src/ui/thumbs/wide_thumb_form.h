// SPDX-License-Identifier: GPL-3.0-or-later
// The wide thumbnail window: a borderless window below the strip with the 39 photos that
// follow it, in 5 rows of 8, and its own scrolling buttons and keys.
#pragma once

#include "library/photo_list.h"
#include "shell/settings.h"
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
  const shell::Settings& settings;
  thumbs::ThumbnailCache& thumbnails;
  std::function<bool()> uiReady;
  std::function<void(bool shift)> nextPhoto;
  std::function<void(bool shift)> previousPhoto;
  std::function<void()> refreshThumbnail;  // the shown photo's, without the explanation
};

class TWideThumbForm final : public QWidget {
  Q_OBJECT

 public:
  explicit TWideThumbForm(WideThumbParts parts);

  void Open();
  void Close();
  // Fills the 39 cells for the current position (only while the window is shown).
  void RefreshCells(int direction);
  ViewImage* Cell(int cell) const { return cells_[cell - 9]; }
  QLabel* NameTagLabel() const { return tag_->Label(); }
  int NameTagCell() const { return nameTagCell_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void CreateButtons();
  bool HandleKey(int key, bool shift, bool ctrl);
  void DrawCell(int cell);
  int CellOf(QObject* watched) const;

  WideThumbParts p_;
  QWidget* panel_;
  QPushButton* dummyBtn_;
  ViewImage* cells_[39] = {};
  std::unique_ptr<NameTag> tag_;
  int nameTagCell_ = 0;
};

}  // namespace kasumori::ui
