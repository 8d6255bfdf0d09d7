// SPDX-License-Identifier: GPL-3.0-or-later
// The comment strips over a display picture: four per window, one per panorama pane, shown and
// hidden by the display as it draws. They lie beside the picture in its window, above it.
#pragma once

#include "config/settings.h"
#include "display/comment_overlay.h"
#include "display/display_modes.h"
#include "display/shown_photo.h"
#include "export/photo_save.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace kasumori::ui {

// One strip. A press on it reaches nothing under it: it only stops a running slideshow.
class CommentOverlay final : public QWidget {
  Q_OBJECT

 public:
  CommentOverlay(QWidget* parent, int pane, std::function<void()> press);

  void Show(const display::CommentStrip& strip);
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  std::function<void()> press_;
};

// The four strips over one picture, named CommentImg1..4.
class CommentOverlays {
 public:
  CommentOverlays(QWidget& picture, const std::function<void()>& press);

  CommentOverlay& At(int pane) { return *overlays_[std::size_t(pane - 1)]; }
  void Hide(int pane);
  void HideAll();
  // Where the display picture lies in the window that holds the strips.
  QPoint PictureOrigin() const { return picture_ ? picture_->pos() : QPoint(); }
  // The visible strips, placed in the display area's coordinates.
  std::vector<exporting::SavedOverlay> Visible() const;

 private:
  QPointer<QWidget> picture_;
  std::array<QPointer<CommentOverlay>, 4> overlays_;
};

// The comment drawing of the photo display: the main window's strips, and the full-screen
// window's while it is open.
class CommentBoard {
 public:
  CommentBoard(const config::Settings& settings, const display::DisplayModes& modes, QWidget& view,
               std::function<void()> stopSlideshow);
  ~CommentBoard();

  // The full-screen picture, or nullptr when the window closes.
  void SetFullScreenPicture(QWidget* picture);

  void DrawComment(int pane, const display::ShownPhoto& record, const QSize& display);
  // Every pane's comment again, from what the panes show.
  void DrawAllComments(const display::ShownPhoto& shown, const display::PaneRecords& panes,
                       const QSize& display);
  void HideComments();
  // The strips on screen now, to be drawn into a saved picture.
  std::vector<exporting::SavedOverlay> Visible() const;

  CommentOverlays& Main() { return *main_; }
  CommentOverlays* FullScreen() { return full_.get(); }

 private:
  CommentOverlays& Target() { return full_ && modes_.FullScreenActive ? *full_ : *main_; }

  const config::Settings& settings_;
  const display::DisplayModes& modes_;
  std::function<void()> stopSlideshow_;
  std::unique_ptr<CommentOverlays> main_;
  std::unique_ptr<CommentOverlays> full_;
};

}  // namespace kasumori::ui
