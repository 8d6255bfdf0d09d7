// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/comment_overlays.h"

#include <QPainter>

namespace kasumori::ui {

CommentOverlay::CommentOverlay(QWidget* parent, int pane, std::function<void()> press)
    : QWidget(parent), press_(std::move(press)) {
  setObjectName(QStringLiteral("CommentImg%1").arg(pane));
  setAttribute(Qt::WA_OpaquePaintEvent);
  hide();
}

void CommentOverlay::Show(const display::CommentStrip& strip) {
  hide();
  picture_ = strip.picture;
  setToolTip(strip.hint);
  setGeometry(QRect(strip.position, picture_.size()));
  raise();
  show();
  // The strip is seen with the photo, not after the next event round.
  repaint();
}

void CommentOverlay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawImage(0, 0, picture_);
}

void CommentOverlay::mousePressEvent(QMouseEvent*) {
  if (press_) press_();
}

CommentOverlays::CommentOverlays(QWidget& picture, const std::function<void()>& press)
    : picture_(&picture) {
  QWidget* window = picture.parentWidget() ? picture.parentWidget() : &picture;
  for (int pane = 1; pane <= 4; ++pane) {
    overlays_[std::size_t(pane - 1)] = new CommentOverlay(window, pane, press);
  }
}

void CommentOverlays::Hide(int pane) {
  if (CommentOverlay* overlay = overlays_[std::size_t(pane - 1)]) overlay->hide();
}

void CommentOverlays::HideAll() {
  for (int pane = 1; pane <= 4; ++pane) Hide(pane);
}

std::vector<exporting::SavedOverlay> CommentOverlays::Visible() const {
  std::vector<exporting::SavedOverlay> visible;
  for (const QPointer<CommentOverlay>& overlay : overlays_) {
    if (!overlay || overlay->isHidden()) continue;
    visible.push_back({overlay->Picture(), overlay->pos() - PictureOrigin()});
  }
  return visible;
}

CommentBoard::CommentBoard(const config::Settings& settings, const display::DisplayModes& modes,
                           QWidget& view, std::function<void()> stopSlideshow)
    : settings_(settings),
      modes_(modes),
      stopSlideshow_(std::move(stopSlideshow)),
      main_(std::make_unique<CommentOverlays>(view, [this] {
        if (stopSlideshow_) stopSlideshow_();
      })) {}

CommentBoard::~CommentBoard() = default;

// The full-screen strips belong to the full-screen window and go with it.
void CommentBoard::SetFullScreenPicture(QWidget* picture) {
  if (!picture) {
    full_.reset();
    return;
  }
  full_ = std::make_unique<CommentOverlays>(*picture, [this] {
    if (stopSlideshow_) stopSlideshow_();
  });
}

void CommentBoard::DrawComment(int pane, const display::ShownPhoto& record, const QSize& display) {
  // Switched off, the strips stay as they are until the next photo hides them.
  if (settings_.CommentsShown == 0) return;
  CommentOverlays& target = Target();
  const std::optional<display::CommentStrip> strip =
      display::RenderComment({record.Comment, record.CommentStyle, settings_.CommentStyleDefault,
                              pane, modes_.PanoramaMode, display, target.PictureOrigin()});
  if (strip) {
    target.At(pane).Show(*strip);
    return;
  }
  if (!modes_.Panorama()) {
    HideComments();
    return;
  }
  main_->Hide(pane);
  if (full_ && modes_.FullScreenActive) full_->Hide(pane);
}

void CommentBoard::DrawAllComments(const display::ShownPhoto& shown,
                                   const display::PaneRecords& panes, const QSize& display) {
  // A pane left black keeps the record it showed before, comment and all: it has none now.
  const display::ShownPhoto none;
  const int count = display::PaneCount(modes_.PanoramaMode);
  for (int pane = 1; pane <= count; ++pane) {
    const display::ShownPhoto& record = modes_.Panorama() ? panes[std::size_t(pane - 1)] : shown;
    DrawComment(pane, record.Shown() ? record : none, display);
  }
}

void CommentBoard::HideComments() {
  main_->HideAll();
  if (full_ && modes_.FullScreenActive) full_->HideAll();
}

std::vector<exporting::SavedOverlay> CommentBoard::Visible() const {
  return full_ && modes_.FullScreenActive ? full_->Visible() : main_->Visible();
}

}  // namespace kasumori::ui
