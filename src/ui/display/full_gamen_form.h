// SPDX-License-Identifier: GPL-3.0-or-later
// The full-screen window: the photo over the whole screen, black around it, no frame, label or
// pointer. The window only receives input and hands it on; what the input does is decided by
// whoever opened it (FullScreenView).
#pragma once

#include <QWidget>

#include <functional>

class QScreen;

namespace kasumori::ui {

class ViewImage;

struct FullGamenInput {
  std::function<void(const QKeyEvent& event)> key;
  // A press on the picture or the window; a double click comes as its own call.
  std::function<void(Qt::MouseButton button)> press;
  std::function<void()> doubleClick;
  std::function<void(bool towardsUser)> wheel;
  std::function<bool()> zoomed;  // the pointer over the picture is the move pointer
  // The window is shown and laid out: the first paint's work runs once.
  std::function<void()> shown;
  // The user or the system asks to close; false keeps the window open.
  std::function<bool()> mayClose;
  std::function<void()> closed;
  // While a show runs, the pointer stays hidden whatever the mouse does.
  std::function<bool()> uiReady;
  // Presses, moves and releases over the picture, offered first to the zoom's pan: true when
  // they were part of one.
  std::function<bool(const QEvent& event)> pan;
};

class TFullGamenForm final : public QWidget {
  Q_OBJECT

 public:
  TFullGamenForm(QScreen& screen, FullGamenInput input);
  ~TFullGamenForm() override;

  ViewImage& FullImg() { return *fullImg_; }
  QSize ScreenSize() const { return screenSize_; }

  // The pointer to the centre of the screen with the hourglass, while something is drawn.
  void BusyCursorAtCentre();
  // The pointer parked on the bottom-right pixel, hidden.
  void HideCursorInCorner();
  // The pointer shown again where it is: the move pointer in zoom mode, else the arrow.
  void ShowPointer(bool zoomed);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPoint ScreenPoint(int x, int y) const;

  FullGamenInput input_;
  QRect screenRect_;
  QSize screenSize_;
  ViewImage* fullImg_;
  bool firstShow_ = true;
};

}  // namespace kasumori::ui
