// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/full_gamen_form.h"

#include "ui/common/view_image.h"

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

namespace kasumori::ui {

TFullGamenForm::TFullGamenForm(QScreen& screen, FullGamenInput input)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      input_(std::move(input)),
      screenRect_(screen.geometry()),
      screenSize_(screenRect_.size()),
      fullImg_(new ViewImage(this, "FullImg")) {
  setObjectName("FullGamenForm");
  setWindowModality(Qt::ApplicationModal);
  setFocusPolicy(Qt::StrongFocus);
  // The keys here are commands; Japanese input would swallow them.
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setScreen(&screen);
  setGeometry(screenRect_);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(palette);
  setAutoFillBackground(true);
  fullImg_->setMouseTracking(true);
  fullImg_->installEventFilter(this);
  fullImg_->Reset(screenSize_, Qt::black);
  fullImg_->move(0, 0);
}

TFullGamenForm::~TFullGamenForm() = default;

QPoint TFullGamenForm::ScreenPoint(int x, int y) const {
  return screenRect_.topLeft() + QPoint(x, y);
}

void TFullGamenForm::BusyCursorAtCentre() {
  QCursor::setPos(ScreenPoint(screenSize_.width() / 2, screenSize_.height() / 2));
  fullImg_->setCursor(Qt::WaitCursor);
}

void TFullGamenForm::HideCursorInCorner() {
  QCursor::setPos(ScreenPoint(screenSize_.width() - 1, screenSize_.height() - 1));
  fullImg_->setCursor(Qt::BlankCursor);
}

void TFullGamenForm::ShowPointer(bool zoomed) {
  fullImg_->setCursor(zoomed ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void TFullGamenForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!firstShow_) return;
  firstShow_ = false;
  activateWindow();
  setFocus();
  // Drawing waits until the window is on the screen, like a first paint, but not inside one.
  QTimer::singleShot(0, this, [this] {
    if (input_.shown) input_.shown();
  });
}

void TFullGamenForm::closeEvent(QCloseEvent* event) {
  if (input_.mayClose && !input_.mayClose()) {
    event->ignore();
    return;
  }
  event->accept();
  if (input_.closed) input_.closed();
}

void TFullGamenForm::keyPressEvent(QKeyEvent* event) {
  event->accept();
  if (input_.key) input_.key(*event);
}

void TFullGamenForm::mousePressEvent(QMouseEvent* event) {
  if (input_.press) input_.press(event->button());
}

void TFullGamenForm::mouseDoubleClickEvent(QMouseEvent*) {
  if (input_.doubleClick) input_.doubleClick();
}

void TFullGamenForm::wheelEvent(QWheelEvent* event) {
  event->accept();
  // A sideways turn, or the empty event some touchpads send at the end of a scroll, is no step.
  if (event->angleDelta().y() != 0 && input_.wheel) input_.wheel(event->angleDelta().y() <= 0);
}

// The pointer stays hidden while it rests on the bottom-right pixel, where it was parked.
bool TFullGamenForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != fullImg_) return QWidget::eventFilter(watched, event);
  if (input_.pan && input_.pan(*event)) return true;
  switch (event->type()) {
    case QEvent::MouseMove: {
      if (input_.uiReady && !input_.uiReady()) return false;
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      if (at == QPoint(screenSize_.width() - 1, screenSize_.height() - 1)) {
        fullImg_->setCursor(Qt::BlankCursor);
      } else {
        ShowPointer(input_.zoomed && input_.zoomed());
      }
      return false;
    }
    case QEvent::MouseButtonPress:
      mousePressEvent(static_cast<QMouseEvent*>(event));
      return true;
    case QEvent::MouseButtonDblClick:
      mouseDoubleClickEvent(static_cast<QMouseEvent*>(event));
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}

}  // namespace kasumori::ui
