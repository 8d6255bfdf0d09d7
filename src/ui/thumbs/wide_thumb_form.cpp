// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/thumbs/wide_thumb_form.h"

#include "thumbs/strip_scroll.h"
#include "ui/shell/fonts.h"
#include "ui/shell/view_image.h"
#include "ui/thumbs/thumb_strip.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QWheelEvent>

#include <cstring>

namespace kasumori::ui {

namespace {
const QColor kCellGrey(128, 128, 128);
constexpr int kPage = thumbs::kWideCells;
}  // namespace

TWideThumbForm::TWideThumbForm(WideThumbParts parts)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), p_(std::move(parts)) {
  setObjectName("WideThumbForm");
  setFixedSize(685, 330);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  setPalette(palette);
  setAutoFillBackground(true);
  panel_ = new QWidget(this);
  panel_->setObjectName("WideThumbPnl");
  panel_->setGeometry(1, 1, 683, 328);
  palette.setColor(QPalette::Window, kCellGrey);
  panel_->setPalette(palette);
  panel_->setAutoFillBackground(true);
  panel_->installEventFilter(this);
  dummyBtn_ = new QPushButton(panel_);
  dummyBtn_->setObjectName("DummyBtn");
  dummyBtn_->setGeometry(0, 0, 1, 1);
  for (int cell = thumbs::kFirstWideCell; cell <= thumbs::kLastWideCell; ++cell) {
    auto* image = new ViewImage(panel_, QStringLiteral("WideCell%1").arg(cell).toLatin1());
    image->move(((cell - 9) % 8) * 85 + 4, ((cell - 9) / 8) * 65 + 4);
    image->Reset({80, 60}, kCellGrey);
    image->setCursor(Qt::PointingHandCursor);
    image->setMouseTracking(true);
    image->installEventFilter(this);
    cells_[cell - 9] = image;
  }
  tag_ = std::make_unique<NameTag>(panel_);
  CreateButtons();
}

void TWideThumbForm::CreateButtons() {
  auto button = [this](const char* name, const QString& text, const QRect& bounds) {
    auto* b = new QPushButton(text, panel_);
    b->setObjectName(QLatin1String(name));
    b->setFont(ProportionalGothic(12, true));
    b->setGeometry(bounds);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
  };
  QPushButton* top = button("ThumbTopBtn", QStringLiteral("|<"), {637, 272, 21, 18});
  QPushButton* end = button("ThumbEndBtn", QStringLiteral(">|"), {658, 272, 21, 18});
  QPushButton* left = button("ThumbLeftBtn", QStringLiteral("←"), {637, 290, 21, 34});
  QPushButton* right = button("ThumbRightBtn", QStringLiteral("→"), {658, 290, 21, 34});
  auto when = [this](QPushButton* b, auto signal, auto action) {
    connect(b, signal, this, [this, action] {
      dummyBtn_->setFocus();
      if (p_.uiReady()) action();
    });
  };
  when(left, &QPushButton::pressed, [this] { p_.strip.StepBack(kPage); });
  when(right, &QPushButton::pressed, [this] { p_.strip.StepForward(kPage); });
  when(top, &QPushButton::clicked, [this] { p_.strip.GoToStart(); });
  when(end, &QPushButton::clicked, [this] {
    const auto limit = thumbs::WideGoToEndIndex(p_.list.CurrentIndex, p_.list.PhotoCount,
                                                p_.settings.ListDirection);
    if (limit) {
      p_.list.CurrentIndex = *limit;
      p_.strip.RefreshStrip(1, true);
    }
  });
}

void TWideThumbForm::Open() {
  const QPoint strip = p_.thumbPnl.mapToGlobal(QPoint(0, 0));
  move(strip.x() + 20, strip.y() + p_.thumbPnl.height());
  show();
  p_.strip.wideWindowShown = true;
  p_.strip.RefreshStrip(1, true);
  dummyBtn_->setFocus();
}

void TWideThumbForm::Close() {
  p_.mainWindow.show();
  p_.mainWindow.repaint();
  hide();
  p_.strip.wideWindowShown = false;
}

void TWideThumbForm::RefreshCells(int direction) {
  if (!isVisible()) return;
  tag_->Hide();
  nameTagCell_ = 0;
  for (ViewImage* cell : cells_) cell->Fill(kCellGrey);
  for (int i = 0; i < kPage; ++i) {
    DrawCell(direction == 1 ? thumbs::kFirstWideCell + i : thumbs::kLastWideCell - i);
  }
}

void TWideThumbForm::DrawCell(int cell) {
  const int position = thumbs::CellPosition(p_.list.CurrentIndex, cell, p_.settings.ListDirection);
  if (position <= 0 || position > p_.list.PhotoCount || p_.list.Name(position).isEmpty()) return;
  if (!p_.thumbnails.Loaded(position)) p_.thumbnails.Fetch(position);
  if (!p_.thumbnails.Loaded(position)) return;
  const imaging::TQxDIB& thumb = p_.thumbnails.Buffer(position);
  imaging::TQxDIB& target = Cell(cell)->Buffer();
  for (int y = 0; y < std::min(thumb.Height(), target.Height()); ++y) {
    std::memcpy(target.ScanLine(y), thumb.ConstScanLine(y),
                3 * std::size_t(std::min(thumb.Width(), target.Width())));
  }
  Cell(cell)->repaint();
}

int TWideThumbForm::CellOf(QObject* watched) const {
  for (int i = 0; i < kPage; ++i) {
    if (watched == cells_[i]) return i + 9;
  }
  return 0;
}

bool TWideThumbForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panel_ && event->type() == QEvent::MouseButtonRelease) {
    Close();
    return true;
  }
  const int cell = CellOf(watched);
  if (cell != 0 && event->type() == QEvent::MouseMove && p_.uiReady() && cell != nameTagCell_) {
    const int position =
        thumbs::CellPosition(p_.list.CurrentIndex, cell, p_.settings.ListDirection);
    if (position >= 1 && position <= p_.list.PhotoCount && !p_.list.Name(position).isEmpty()) {
      tag_->Show(*Cell(cell), p_.list.Name(position), 0);
      nameTagCell_ = cell;
    }
    return false;
  }
  if (cell == 0 || event->type() != QEvent::MouseButtonPress) {
    return QWidget::eventFilter(watched, event);
  }
  if (!p_.uiReady()) return true;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  Close();
  if (mouse->button() == Qt::LeftButton) {
    p_.strip.SelectPosition(
        thumbs::CellPosition(p_.list.CurrentIndex, cell, p_.settings.ListDirection));
  }
  return true;
}

bool TWideThumbForm::HandleKey(int key, bool shift, bool ctrl) {
  const int direction = p_.settings.ListDirection;
  const bool plain = !shift && !ctrl;
  if (key == Qt::Key_X || (key == Qt::Key_Up && plain && direction == 1)) {
    Close();
    p_.nextPhoto(shift);
  } else if (key == Qt::Key_Z || (key == Qt::Key_Up && plain && direction == -1)) {
    Close();
    p_.previousPhoto(shift);
  } else if (key == Qt::Key_A || (key == Qt::Key_Left && shift && !ctrl)) {
    p_.strip.StepBack(8);
  } else if (key == Qt::Key_S || (key == Qt::Key_Right && shift && !ctrl)) {
    p_.strip.StepForward(8);
  } else if (key == Qt::Key_E || key == Qt::Key_D) {
    Close();  // the folder steps go to the main window's folder tree
  } else if (key == Qt::Key_F || (key == Qt::Key_Left && plain)) {
    p_.strip.StepBack(1);
  } else if (key == Qt::Key_G || (key == Qt::Key_Right && plain)) {
    p_.strip.StepForward(1);
  } else if (key == Qt::Key_Q || (key == Qt::Key_Left && ctrl)) {
    p_.strip.GoToStart();
  } else if (key == Qt::Key_W || (key == Qt::Key_Right && ctrl)) {
    const auto limit =
        thumbs::WideGoToEndIndex(p_.list.CurrentIndex, p_.list.PhotoCount, direction);
    if (limit) {
      p_.list.CurrentIndex = *limit;
      p_.strip.RefreshStrip(1, true);
    }
  } else if (key == Qt::Key_C || key == Qt::Key_Escape || (key == Qt::Key_Down && plain)) {
    Close();
  } else if (key == Qt::Key_F5) {
    if (p_.refreshThumbnail) p_.refreshThumbnail();
  } else {
    return false;
  }
  return true;
}

void TWideThumbForm::keyPressEvent(QKeyEvent* event) {
  event->accept();
  if (!p_.uiReady()) return;
  HandleKey(event->key(), event->modifiers() & Qt::ShiftModifier,
            event->modifiers() & Qt::ControlModifier);
}

// Over the window a turn pages by 8; over the strip just above it, by 1.
void TWideThumbForm::wheelEvent(QWheelEvent* event) {
  event->accept();
  if (!p_.uiReady()) return;
  const QPoint at = event->position().toPoint();
  const bool towardsUser = event->angleDelta().y() <= 0;
  const QRect panel = panel_->geometry();
  if (at.x() < panel.left() || at.x() > panel.right()) return;
  int step = 0;
  if (at.y() >= panel.top() - 1 && at.y() <= panel.bottom()) step = 8;
  if (at.y() >= panel.top() - p_.thumbPnl.height() && at.y() <= panel.top() - 2) step = 1;
  if (step == 0) return;
  p_.strip.HideNameTag();
  towardsUser ? p_.strip.StepForward(step) : p_.strip.StepBack(step);
}

}  // namespace kasumori::ui
