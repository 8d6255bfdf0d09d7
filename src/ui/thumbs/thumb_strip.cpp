// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/thumbs/thumb_strip.h"

#include "imaging/dib/qx_dib_canvas.h"
#include "library/record_names.h"
#include "thumbs/strip_scroll.h"
#include "thumbfiles/thumbnail_files.h"
#include "ui/library/photo_drag.h"
#include "ui/common/fonts.h"
#include "ui/common/view_image.h"
#include "ui/thumbs/wide_thumb_form.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <cstring>

namespace kasumori::ui {

namespace {

const QColor kCellGrey(128, 128, 128);
const QColor kFrameColour(0xFF, 0xB0, 0x00);  // 45311 = 0x00B0FF as blue-green-red
constexpr int kCellTop = 5;
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 100;

int CellLeft(int cell) { return 25 + 85 * (cell - 1); }

}  // namespace

ThumbStrip::ThumbStrip(ThumbStripParts parts) : p_(std::move(parts)), tag_(&p_.thumbPnl) {
  CreateCells();
  CreateButtons();
  // Moves over the background and the buttons take the tag away, so they must be seen.
  p_.thumbPnl.setMouseTracking(true);
  p_.thumbPnl.installEventFilter(this);
  repeat_.setParent(this);
  repeat_.setObjectName("RepeatTimer");
  connect(&repeat_, &QTimer::timeout, this, [this] {
    if (!repeatButton_ || !repeatButton_->isDown() || !repeatStep_()) {
      repeat_.stop();
      return;
    }
    repeat_.setInterval(kRepeatMs);
  });
}

void ThumbStrip::CreateCells() {
  selImg_ = new ViewImage(&p_.thumbPnl, "SelImg");
  selImg_->Reset({84, 64}, kCellGrey);
  selImg_->setMouseTracking(true);
  DrawSelectionFrame();
  for (int cell = 1; cell <= thumbs::kStripCells; ++cell) {
    auto* image = new ViewImage(&p_.thumbPnl, QStringLiteral("StripCell%1").arg(cell).toLatin1());
    image->move(CellLeft(cell), kCellTop);
    image->Reset({thumbfiles::kThumbWidth, thumbfiles::kThumbHeight}, kCellGrey);
    image->setCursor(Qt::PointingHandCursor);
    image->setMouseTracking(true);
    image->installEventFilter(this);
    cells_[cell - 1] = image;
  }
  tag_.Label()->installEventFilter(this);
}

void ThumbStrip::DrawSelectionFrame() {
  imaging::TQxDIBCanvas canvas(selImg_->Buffer());
  canvas.FillRect({0, 0, 84, 64}, kFrameColour);
  canvas.FillRect({2, 2, 80, 60}, kCellGrey);
}

void ThumbStrip::CreateButtons() {
  auto button = [this](const char* name, const QString& text, const QRect& bounds) {
    auto* b = new QPushButton(text, &p_.thumbPnl);
    b->setObjectName(QLatin1String(name));
    b->setFont(ProportionalGothic(12, true));
    b->setGeometry(bounds);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMouseTracking(true);
    connect(b, &QPushButton::clicked, this, [this] { p_.dummyBtn.setFocus(); });
    return b;
  };
  QPushButton* left = button("ThumbLeftBtn", QStringLiteral("←"), {2, 21, 19, 48});
  QPushButton* right = button("ThumbRightBtn", QStringLiteral("→"), {705, 21, 19, 48});
  QPushButton* top = button("ThumbTopBtn", QStringLiteral("|<"), {2, 2, 19, 18});
  QPushButton* end = button("ThumbEndBtn", QStringLiteral(">|"), {705, 2, 19, 18});
  connect(left, &QPushButton::pressed, this, [this, left] {
    if (p_.uiReady()) RepeatWhileHeld(left, [this] { return StepBack(8); });
  });
  connect(right, &QPushButton::pressed, this, [this, right] {
    if (p_.uiReady()) RepeatWhileHeld(right, [this] { return StepForward(8); });
  });
  connect(top, &QPushButton::clicked, this, [this] {
    if (p_.uiReady()) GoToStart();
  });
  connect(end, &QPushButton::clicked, this, [this] {
    if (p_.uiReady()) GoToEnd();
  });
}

void ThumbStrip::RepeatWhileHeld(QPushButton* button, std::function<bool()> step) {
  repeat_.stop();
  if (!step()) return;
  repeatButton_ = button;
  repeatStep_ = std::move(step);
  repeat_.setInterval(kFirstRepeatMs);
  repeat_.start();
}

void ThumbStrip::MoveTo(int index, config::Direction direction) {
  p_.list.CurrentIndex = index;
  if (p_.folders.HasSlot()) p_.folders.SlotPositionOfCurrent() = index;
  RefreshStrip(direction, Hover::Update);
}

bool ThumbStrip::StepForward(int step) {
  const auto next = thumbs::StepForwardOnce(p_.list.CurrentIndex, p_.list.PhotoCount, step,
                                            WideShown(), p_.settings.ListDirection);
  if (next) MoveTo(*next, config::Direction::Forward);
  return next.has_value();
}

bool ThumbStrip::StepBack(int step) {
  const auto next = thumbs::StepBackOnce(p_.list.CurrentIndex, p_.list.PhotoCount, step);
  if (next) MoveTo(*next, config::Direction::Backward);
  return next.has_value();
}

void ThumbStrip::GoToStart() {
  if (const auto next = thumbs::GoToStartIndex(p_.list.CurrentIndex, p_.list.PhotoCount)) {
    MoveTo(*next, config::Direction::Backward);
  }
}

void ThumbStrip::GoToEnd() {
  if (const auto next = thumbs::GoToEndIndex(p_.list.CurrentIndex, p_.list.PhotoCount)) {
    MoveTo(*next, config::Direction::Forward);
  }
}

void ThumbStrip::GoToWideEnd() {
  if (const auto next = thumbs::WideGoToEndIndex(p_.list.CurrentIndex, p_.list.PhotoCount,
                                                 p_.settings.ListDirection)) {
    MoveTo(*next, config::Direction::Forward);
  }
}

void ThumbStrip::ClearCells() {
  HideNameTag();
  for (ViewImage* cell : cells_) cell->Fill(kCellGrey);
  if (wide_) wide_->ClearCells();
  p_.thumbPnl.repaint();
}

void ThumbStrip::RefreshStrip(config::Direction direction, Hover hover) {
  if (hover == Hover::Hide) HideNameTag();
  // Every cell is redrawn, so a tag's saved band would paint the old photo over the new one.
  tag_.Forget();
  if (wide_) wide_->ForgetNameTag();
  nameTagCell_ = 0;
  for (ViewImage* cell : cells_) cell->Fill(kCellGrey);
  if (wide_) wide_->ClearCells();
  selImg_->move(thumbs::SelectionFrameLeft(p_.settings.ListDirection), 3);
  selImg_->lower();
  p_.thumbPnl.repaint();
  if (p_.list.PhotoCount > 0) {
    const bool forward = direction == config::Direction::Forward;
    p_.thumbnails.Upcoming(PositionsInDrawingOrder(direction));
    if (!forward && wide_) wide_->DrawCells(direction);
    for (int i = 0; i < thumbs::kStripCells; ++i) {
      DrawCell(forward ? i + 1 : thumbs::kStripCells - i);
    }
    if (forward && wide_) wide_->DrawCells(direction);
  }
  p_.thumbPnl.repaint();
  // The pointer has not moved, so no move event would bring the tag back: ask directly.
  if (hover == Hover::Update) UpdateHover();
}

// The list positions of the strip's cells and the wide window's, in the order they are drawn.
std::vector<int> ThumbStrip::PositionsInDrawingOrder(config::Direction direction) const {
  const bool forward = direction == config::Direction::Forward;
  std::vector<int> positions;
  const auto add = [&](int first, int last) {
    for (int i = 0; i <= last - first; ++i) {
      const int cell = forward ? first + i : last - i;
      positions.push_back(
          thumbs::CellPosition(p_.list.CurrentIndex, cell, p_.settings.ListDirection));
    }
  };
  const bool wide = wide_ && wide_->isVisible();
  if (!forward && wide)
    add(thumbs::kFirstWideCell, thumbs::kFirstWideCell + thumbs::kWideCells - 1);
  add(1, thumbs::kStripCells);
  if (forward && wide) add(thumbs::kFirstWideCell, thumbs::kFirstWideCell + thumbs::kWideCells - 1);
  return positions;
}

void ThumbStrip::DrawCell(int cell) {
  const int position = thumbs::CellPosition(p_.list.CurrentIndex, cell, p_.settings.ListDirection);
  if (position <= 0 || position > p_.list.PhotoCount || p_.list.Name(position).isEmpty()) return;
  if (!p_.thumbnails.Loaded(position)) p_.thumbnails.Fetch(position);
  if (!p_.thumbnails.Loaded(position)) return;
  const imaging::TQxDIB& thumb = p_.thumbnails.Buffer(position);
  imaging::TQxDIB& target = cells_[cell - 1]->Buffer();
  const int rows = std::min(thumb.Height(), target.Height());
  const int bytes = 3 * std::min(thumb.Width(), target.Width());
  for (int y = 0; y < rows; ++y) std::memcpy(target.ScanLine(y), thumb.ConstScanLine(y), bytes);
  cells_[cell - 1]->repaint();  // cells appear one by one
}

int ThumbStrip::CellOf(QObject* watched) const {
  for (int i = 0; i < thumbs::kStripCells; ++i) {
    if (watched == cells_[i]) return i + 1;
  }
  return 0;
}

bool ThumbStrip::WideShown() const { return wide_ && wide_->isVisible(); }

void ThumbStrip::HoverOver(int cell) {
  hoverCell_ = cell;
  if (p_.uiReady()) UpdateHover();
}

void ThumbStrip::UpdateHover() {
  if (hoverCell_ == 0 || hoverCell_ == nameTagCell_) return;
  if (hoverCell_ <= thumbs::kStripCells) {
    TakeTagAway();
    ShowNameTag(hoverCell_);
  } else if (WideShown()) {
    TakeTagAway();
    if (wide_->ShowNameTag(hoverCell_)) nameTagCell_ = hoverCell_;
  }
}

void ThumbStrip::ShowNameTag(int cell) {
  const int position = thumbs::CellPosition(p_.list.CurrentIndex, cell, p_.settings.ListDirection);
  if (position <= 0 || position > p_.list.PhotoCount) return;
  const QString name = p_.list.Name(position);
  if (name.isEmpty()) return;
  tag_.Show(*cells_[cell - 1], name, 21);
  nameTagCell_ = cell;
}

QPoint ThumbStrip::SelectionFrameCentre() const { return selImg_->mapToGlobal(QPoint(41, 24)); }

void ThumbStrip::HideNameTag() {
  hoverCell_ = 0;
  TakeTagAway();
}

void ThumbStrip::TakeTagAway() {
  if (nameTagCell_ >= thumbs::kFirstWideCell) {
    if (WideShown()) wide_->HideNameTag();
  } else if (nameTagCell_ != 0) {
    tag_.Hide();
  }
  nameTagCell_ = 0;
}

void ThumbStrip::SelectPosition(int position) {
  if (position < 1 || position > p_.list.PhotoCount || p_.list.Name(position).isEmpty()) return;
  const int old = p_.list.CurrentIndex;
  p_.list.CurrentIndex = position;
  if (p_.folders.HasSlot()) p_.folders.SlotPositionOfCurrent() = position;
  RefreshStrip(position < old ? config::Direction::Backward : config::Direction::Forward,
               Hover::Hide);
  p_.showPhoto(position);
  skipNextHover_ = true;
}

bool ThumbStrip::CellPressed(int cell, QMouseEvent* event) {
  if (!p_.uiReady() || event->type() == QEvent::MouseButtonDblClick) return true;
  if (event->button() == Qt::RightButton) {
    if (p_.openWideWindow) p_.openWideWindow();
    return true;
  }
  if (event->button() == Qt::LeftButton) {
    dragCell_ = cell;
    pressPosition_ = event->globalPosition().toPoint();
  }
  return true;
}

// The panel sees its own events and those its children pass on: moves over the cells come
// here too, and only those over the background or a button take the tag away.
bool ThumbStrip::PanelEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      p_.dummyBtn.setFocus();
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (p_.uiReady() && mouse->button() == Qt::RightButton && p_.openWideWindow)
        p_.openWideWindow();
      return false;
    }
    case QEvent::MouseMove: {
      QWidget* under = p_.thumbPnl.childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      if (p_.uiReady() && CellOf(under) == 0 && under != tag_.Label()) HideNameTag();
      return false;
    }
    case QEvent::Leave:
      // The pointer left the strip for good: a later redraw must not bring the tag back. The
      // wide window's tag is that window's business.
      if (p_.uiReady() && hoverCell_ <= thumbs::kStripCells) HideNameTag();
      return false;
    default:
      return false;
  }
}

bool ThumbStrip::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &p_.thumbPnl) return PanelEvent(event);
  int cell = CellOf(watched);
  if (watched == tag_.Label() && nameTagCell_ <= thumbs::kStripCells) cell = nameTagCell_;
  if (cell == 0) return QObject::eventFilter(watched, event);
  // Only the mouse cases below read it; other events are not mouse events.
  auto* mouse = dynamic_cast<QMouseEvent*>(event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      return CellPressed(cell, mouse);
    case QEvent::MouseButtonRelease:
      if (mouse->button() == Qt::LeftButton && dragCell_ == cell) Select(cell);
      dragCell_ = 0;
      return true;
    case QEvent::MouseMove:
      if (dragCell_ != 0 &&
          (mouse->globalPosition().toPoint() - pressPosition_).manhattanLength() >=
              QApplication::startDragDistance()) {
        const int position =
            thumbs::CellPosition(p_.list.CurrentIndex, dragCell_, p_.settings.ListDirection);
        dragCell_ = 0;
        if (position >= 1 && position <= p_.list.PhotoCount) {
          // Dropping it on the folder tree moves the photo.
          StartPhotoDrag(static_cast<QWidget*>(watched),
                         p_.folders.CurrentFolder + u'/' + p_.list.Name(position));
        }
        return true;
      }
      if (skipNextHover_) {
        skipNextHover_ = false;
      } else if (watched != tag_.Label()) {
        HoverOver(cell);
      }
      return false;
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace kasumori::ui
