// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/thumbs/wide_thumb_form.h"

#include "commands/key_map.h"
#include "thumbs/strip_scroll.h"
#include "ui/common/fonts.h"
#include "ui/common/view_image.h"
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
  // Moves over the background and the buttons take the tag away, so they must be seen.
  panel_->setMouseTracking(true);
  panel_->installEventFilter(this);
  dummyBtn_ = new QPushButton(panel_);
  dummyBtn_->setObjectName("DummyBtn");
  dummyBtn_->setGeometry(0, 0, 1, 1);
  // The focus holder would use the arrows and Tab to move the focus; the window wants them.
  dummyBtn_->installEventFilter(this);
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
  tag_->Label()->installEventFilter(this);
  CreateButtons();
  p_.strip.AttachWideWindow(this);
}

TWideThumbForm::~TWideThumbForm() { p_.strip.AttachWideWindow(nullptr); }

void TWideThumbForm::CreateButtons() {
  auto button = [this](const char* name, const QString& text, const QRect& bounds) {
    auto* b = new QPushButton(text, panel_);
    b->setObjectName(QLatin1String(name));
    b->setFont(ProportionalGothic(12, true));
    b->setGeometry(bounds);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMouseTracking(true);
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
  // The page buttons repeat while held, as the strip's do.
  when(left, &QPushButton::pressed, [this, left] {
    p_.strip.RepeatWhileHeld(left, [this] { return p_.strip.StepBack(kPage); });
  });
  when(right, &QPushButton::pressed, [this, right] {
    p_.strip.RepeatWhileHeld(right, [this] { return p_.strip.StepForward(kPage); });
  });
  when(top, &QPushButton::clicked, [this] { p_.strip.GoToStart(); });
  when(end, &QPushButton::clicked, [this] { p_.strip.GoToWideEnd(); });
}

void TWideThumbForm::Open() {
  const QPoint strip = p_.thumbPnl.mapToGlobal(QPoint(0, 0));
  move(strip.x() + 20, strip.y() + p_.thumbPnl.height());
  show();
  // The window takes the keyboard: its keys are its own, not the main window's.
  raise();
  activateWindow();
  p_.strip.RefreshStrip(config::Direction::Forward, ThumbStrip::Hover::Update);
  dummyBtn_->setFocus();
}

void TWideThumbForm::Close() {
  p_.mainWindow.show();
  p_.mainWindow.repaint();
  hide();
  // The keyboard goes back to the main window, as it came from there.
  p_.mainWindow.activateWindow();
}

void TWideThumbForm::RefreshCells(config::Direction direction) {
  ClearCells();
  DrawCells(direction);
}

void TWideThumbForm::ClearCells() {
  if (!isVisible()) return;
  tag_->Forget();
  for (ViewImage* cell : cells_) cell->Fill(kCellGrey);
  panel_->repaint();
}

void TWideThumbForm::DrawCells(config::Direction direction) {
  if (!isVisible()) return;
  for (int i = 0; i < kPage; ++i) {
    DrawCell(direction == config::Direction::Forward ? thumbs::kFirstWideCell + i
                                                     : thumbs::kLastWideCell - i);
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

int TWideThumbForm::NameTagCell() const {
  const int cell = p_.strip.NameTagCell();
  return cell >= thumbs::kFirstWideCell ? cell : 0;
}

bool TWideThumbForm::ShowNameTag(int cell) {
  const int position = thumbs::CellPosition(p_.list.CurrentIndex, cell, p_.settings.ListDirection);
  if (position < 1 || position > p_.list.PhotoCount || p_.list.Name(position).isEmpty()) {
    return false;
  }
  tag_->Show(*Cell(cell), p_.list.Name(position), 0);
  return true;
}

int TWideThumbForm::CellOf(QObject* watched) const {
  for (int i = 0; i < kPage; ++i) {
    if (watched == cells_[i]) return i + 9;
  }
  return 0;
}

// The panel sees its own events and those its children pass on: moves over the cells come
// here too, and only those over the background or a button take the tag away.
bool TWideThumbForm::PanelEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonRelease:
      Close();
      return true;
    case QEvent::MouseMove: {
      QWidget* under = panel_->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      if (p_.uiReady() && CellOf(under) == 0 && under != tag_->Label()) p_.strip.HideNameTag();
      return false;
    }
    default:
      return false;
  }
}

bool TWideThumbForm::CellPressed(int cell, const QMouseEvent& event) {
  if (!p_.uiReady() || event.type() == QEvent::MouseButtonDblClick) return true;
  Close();
  if (event.button() == Qt::LeftButton) {
    p_.strip.SelectPosition(
        thumbs::CellPosition(p_.list.CurrentIndex, cell, p_.settings.ListDirection));
  }
  return true;
}

bool TWideThumbForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dummyBtn_ && event->type() == QEvent::KeyPress) {
    OnKey(*static_cast<QKeyEvent*>(event));
    return true;
  }
  if (watched == panel_) return PanelEvent(event);
  // A press on the tag stands for its cell, the one under the pointer.
  const int cell = watched == tag_->Label() ? NameTagCell() : CellOf(watched);
  if (cell == 0) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseMove:
      if (watched != tag_->Label()) p_.strip.HoverOver(cell);
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      return CellPressed(cell, *static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
      return true;  // the press has already closed the window
    default:
      return QWidget::eventFilter(watched, event);
  }
}

// Photo and folder steps belong to the main window: the window closes and hands them over.
bool TWideThumbForm::HandleKey(int key, bool shift, bool ctrl) {
  const auto direction = p_.settings.ListDirection;
  const auto command =
      commands::CommandForKey(commands::KeyMapKind::WideThumbs, {key, shift, ctrl}, direction);
  if (!command) return false;
  using commands::Command;
  switch (*command) {
    case Command::NextPhoto:
      Close();
      p_.nextPhoto(shift);
      break;
    case Command::PreviousPhoto:
      Close();
      p_.previousPhoto(shift);
      break;
    case Command::PreviousFolder:
      Close();
      p_.previousFolder();
      break;
    case Command::NextFolder:
      Close();
      p_.nextFolder();
      break;
    case Command::StripBack8:
      p_.strip.StepBack(8);
      break;
    case Command::StripForward8:
      p_.strip.StepForward(8);
      break;
    case Command::StripBack1:
      p_.strip.StepBack(1);
      break;
    case Command::StripForward1:
      p_.strip.StepForward(1);
      break;
    case Command::StripStart:
      p_.strip.GoToStart();
      break;
    case Command::StripEnd:
      p_.strip.GoToWideEnd();
      break;
    case Command::CloseWindow:
      Close();
      break;
    case Command::RenewThumbnail:
      if (p_.refreshThumbnail) p_.refreshThumbnail();
      break;
    case Command::KeyboardHelp:
      if (p_.keyboardHelp) p_.keyboardHelp();
      break;
    // The main window's own commands are not bound here.
    case Command::WideMode:
    case Command::OpenWideThumbs:
    case Command::RotateLeft:
    case Command::RotateRight:
    case Command::StepEffect:
    case Command::DeletePhoto:
    case Command::RenamePhoto:
    case Command::RenewAllThumbnails:
    case Command::ClearAllEdits:
    case Command::NormalDisplay:
    case Command::AddFavourite:
    case Command::FavouritesWindow:
    case Command::SaveDisplayed:
    case Command::Slideshow:
    case Command::FullScreen:
    case Command::SelectPage:
    case Command::SwapQualityMode:
    // Menu entries only.
    case Command::QualityMode:
    case Command::Effect:
    case Command::HistogramMode:
    case Command::Sharpness:
    case Command::ExplainSharpness:
    case Command::SortOrder:
    case Command::ListDirection:
    case Command::WindowSize:
    case Command::Panorama:
    case Command::CustomSize:
    case Command::About:
    case Command::TransferSettings:
    case Command::TransferFromCamera:
    case Command::TransferToCamera:
    case Command::SortIntoDateFolders:
    case Command::SusiePlugins:
    case Command::OpenWithApp:
    case Command::SetUpApps:
    case Command::OpenInNewWindow:
    case Command::OpenInBrowser:
    case Command::HelpText:
    case Command::OpenManual:
      break;
  }
  return true;
}

// Every key is the window's: nothing in it moves the focus. The auto-repeats that arrived while
// the last step was handled are dropped, as in the main window.
void TWideThumbForm::OnKey(const QKeyEvent& event) {
  if (event.isAutoRepeat() && p_.inputPiledUp()) return;
  if (p_.uiReady()) {
    HandleKey(event.key(), event.modifiers() & Qt::ShiftModifier,
              event.modifiers() & Qt::ControlModifier);
  }
  p_.dropPiledUpInput();
}

// Once active the window's keys reach its focus holder, whatever had the focus before.
void TWideThumbForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) dummyBtn_->setFocus();
}

void TWideThumbForm::keyPressEvent(QKeyEvent* event) {
  event->accept();
  OnKey(*event);
}

// Over the window a turn pages by 8; over the strip just above it, by 1. Turns that arrived
// while the last one was handled are dropped.
void TWideThumbForm::wheelEvent(QWheelEvent* event) {
  event->accept();
  if (!p_.uiReady() || p_.inputPiledUp() || event->angleDelta().y() == 0) return;
  p_.dropPiledUpInput();
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
