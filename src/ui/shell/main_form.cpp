// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/main_form.h"

#include "library/photo_list_controller.h"
#include "library/photo_location.h"
#include "ui/shell/input_pacer.h"
#include "ui/shell/main_commands.h"
#include "ui/shell/main_parts.h"
#include "ui/slideshow/slideshow_view.h"
#include "ui/display/panorama_view.h"

#include "shell/placement.h"
#include "pixels/dib_views.h"
#include "display/histogram.h"
#include "ui/display/main_display.h"
#include "ui/shell/main_menu.h"
#include "ui/library/folder_panel_view.h"
#include "ui/library/photo_drag.h"
#include "ui/thumbs/thumb_strip.h"
#include "ui/thumbs/wide_thumb_form.h"
#include "ui/shell/main_panels.h"
#include "ui/common/view_image.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QDateTime>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

#include <cstdlib>

namespace kasumori::ui {

namespace {

const QColor kWindowGreen(0, 128, 0);
const QColor kDisplayGrey(128, 128, 128);

QSize ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(1024, 768);
}

QIcon MakeIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(kWindowGreen);
  QPainter painter(&pixmap);
  painter.setPen(Qt::white);
  painter.drawRect(2, 2, 11, 11);
  painter.drawLine(5, 4, 5, 11);
  painter.drawLine(6, 8, 10, 4);
  painter.drawLine(6, 8, 10, 11);
  return QIcon(pixmap);
}

}  // namespace

TMainForm::TMainForm(MainFormServices services)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      model_(services.platform, services.executableFolder, services.startupPath),
      session_(model_.Session()),
      photoList_(model_.List()),
      folderState_(model_.Folders()) {
  setObjectName(QStringLiteral("TMainForm"));
  setWindowTitle(QStringLiteral("Kasumori２"));
  std::srand(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
  setWindowIcon(MakeIcon());
  menu_ = std::make_unique<MainMenu>(menuBar());
  CreateClientArea();
  // The default position of a first run centres the window of the default layout.
  const QSize outer =
      shell::LayoutOf(shell::LayoutKind::C800).client + QSize(0, menuBar()->sizeHint().height());
  model_.Create(ScreenSize(), outer);
  pacer_ = std::make_unique<InputPacer>();
  parts_ = std::make_unique<MainParts>(MainPartsContext{*this, model_, *panels_, *menu_, *view_,
                                                        *pacer_, [this] { SaveSettings(); }});
  parts_->Commands().Connect(*this);
  panels_->dummyBtn->installEventFilter(this);
  session_.UiReady = true;
}

TMainForm::~TMainForm() = default;

MainDisplay& TMainForm::Display() { return parts_->Display(); }
ThumbStrip& TMainForm::Strip() { return parts_->Strip(); }
FolderPanelView& TMainForm::FolderView() { return parts_->Folders(); }
TWideThumbForm& TMainForm::WideThumbs() { return parts_->Wide(); }

void TMainForm::CreateClientArea() {
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, kWindowGreen);
  client_->setPalette(palette);
  client_->setAutoFillBackground(true);
  client_->installEventFilter(this);
  setCentralWidget(client_);
  panels_ = std::make_unique<MainPanels>(client_);
  view_ = new ViewImage(client_);
  view_->installEventFilter(this);
  // The strip's name tag goes as soon as the pointer moves anywhere else.
  for (QWidget* area :
       {client_, static_cast<QWidget*>(view_), panels_->folderPnl, panels_->henshuPnl,
        panels_->gashitsuPnl, panels_->histgramPnl, panels_->exifPnl}) {
    area->setMouseTracking(true);
    area->installEventFilter(this);
  }
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  setAttribute(Qt::WA_InputMethodEnabled, false);
  const imaging::PluginFlags flags = model_.BuildExtensionTable();
  Display().Decoder().SetPlugins(flags, model_.Plugins());
  ApplyLayout();
  PlaceOnScreen();
  panels_->dummyBtn->setFocus();
  display::DrawHistogramStrip(pixels::ViewOf(panels_->histgramImg2->Buffer()));
  Display().Driver().Histogram().ClearHistogram(Display().HistogramImage(), false);
  const config::Settings& settings = session_.settings();
  menu_->CheckWindowSize(settings.WindowSizeMode, settings.CustomPhotoWidth,
                         settings.CustomPhotoHeight);
  menu_->CheckOrder(settings.SortOrder, settings.ListDirection);
  panels_->ShowDirection(settings.ListDirection);
}

void TMainForm::PlaceOnScreen() {
  config::Settings& settings = session_.settings();
  const QSize screen = ScreenSize();
  QPoint corrected = shell::ClampMainWindowPosition({settings.WindowLeft, settings.WindowTop},
                                                    frameGeometry().size(), screen);
  settings.WindowLeft = corrected.x();
  settings.WindowTop = corrected.y();
  move(corrected);
  // The window system may have placed it elsewhere: correct the actual position once more.
  move(shell::ClampMainWindowPosition(pos(), frameGeometry().size(), screen));
}

void TMainForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) OnActivated();
}

void TMainForm::OnActivated() {
  if (WideThumbs().isVisible()) WideThumbs().Close();
  repaint();
  // Setting the pointer where it already is refreshes hover feedback under it.
  QCursor::setPos(QCursor::pos());
  if (!session_.Activated) OnFirstActivation();
}

void TMainForm::OnFirstActivation() {
  session_.Activated = true;
  repaint();
  // The repaint is the first paint of an activated window: a first run greets the user there,
  // before the slot is scanned or a photo is shown. Outside the paint event a modal window may
  // open at once.
  if (session_.ShowFirstRunNoticeIfDue()) repaint();
  view_->Fill(kDisplayGrey);
  if (!session_.StartupPath.isEmpty()) {
    const QString path = session_.StartupPath;
    session_.StartupPath.clear();
    parts_->Commands().ShowPhotoByPath(path);
    return;
  }
  folderState_.CurrentSlot = 1;
  folderState_.CurrentFolder = session_.settings().PhotoFolder1;
  folderState_.SlotCurrentFolder[0] = folderState_.CurrentFolder;
  FolderView().Panel().BuildSlotTree(1);
  FolderView().ShowTree();
  parts_->Lists().ScanFolder();
  Strip().RefreshStrip(config::Direction::Forward, ThumbStrip::Hover::Update);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (!panels_ || !parts_) return QMainWindow::eventFilter(watched, event);
  if (event->type() == QEvent::MouseMove)
    HideNameTagOutsideStrip(*static_cast<QMouseEvent*>(event));
  if (event->type() == QEvent::MouseButtonPress && watched != client_ &&
      watched != panels_->dummyBtn && parts_->Commands().HandleLabelClick(watched)) {
    return true;
  }
  if (watched == view_ &&
      (Display().HandlePan(*event) || HandleViewDrag(event) || HandleViewFullScreen(*event))) {
    return true;
  }
  // Tab never moves the focus away from the focus holder.
  if (watched == panels_->dummyBtn && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return true;
  }
  // Keys reach the window's own handler before the focused control sees them.
  if (watched == panels_->dummyBtn && event->type() == QEvent::KeyPress &&
      DispatchKey(*static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

// Moves over the strip's cells come here too once the cells pass them on; those keep the tag.
void TMainForm::HideNameTagOutsideStrip(const QMouseEvent& event) {
  const QPoint at = panels_->thumbPnl->mapFromGlobal(event.globalPosition().toPoint());
  if (!panels_->thumbPnl->rect().contains(at)) Strip().HideNameTag();
}

// The middle button opens full screen; a double click does too, or leaves a panorama.
bool TMainForm::HandleViewFullScreen(const QEvent& event) {
  const auto type = event.type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
  const auto& mouse = static_cast<const QMouseEvent&>(event);
  if (type == QEvent::MouseButtonPress && mouse.button() == Qt::MiddleButton) {
    parts_->Commands().ViewOpensFullScreen(commands::CommandSource::Button);
    return true;
  }
  if (type != QEvent::MouseButtonDblClick || mouse.button() != Qt::LeftButton) return false;
  parts_->Panorama().DoubleClick(mouse.position().toPoint());
  return true;
}

// The shown photo can be dragged from the view onto the folder tree (not zoomed or in panorama).
bool TMainForm::HandleViewDrag(QEvent* event) {
  auto* mouse = dynamic_cast<QMouseEvent*>(event);
  if (mouse == nullptr) return false;
  if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
    viewPressAt_ = mouse->globalPosition().toPoint();
    return false;
  }
  if (event->type() != QEvent::MouseMove || !(mouse->buttons() & Qt::LeftButton)) return false;
  if ((mouse->globalPosition().toPoint() - viewPressAt_).manhattanLength() <
      QApplication::startDragDistance()) {
    return false;
  }
  const display::ShownPhoto& shown = Display().Driver().Shown();
  const display::DisplayModes& modes = Display().Driver().Modes();
  if (!session_.UiReady || !shown.Shown() || modes.ZoomMode || modes.Panorama()) {
    return false;
  }
  StartPhotoDrag(view_, shown.Folder + u'/' + shown.Name);
  return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // Closing the window during a slideshow ends the slideshow only.
  if (parts_->Slideshow().Running()) {
    parts_->Slideshow().RequestStop();
    event->ignore();
    return;
  }
  if (!session_.UiReady) {
    event->ignore();
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  session_.Shutdown(pos());
  QApplication::restoreOverrideCursor();
  event->accept();
}

void TMainForm::ShowPhotoByPath(const QString& path) { parts_->Commands().ShowPhotoByPath(path); }

// The wheel acts on what is under the pointer: the strip scrolls, the view walks the list.
void TMainForm::wheelEvent(QWheelEvent* event) {
  event->accept();
  // Turns that arrived while the last one was handled are dropped, like held keys.
  // A sideways turn, or the empty event some touchpads send at the end of a scroll, is no step.
  if (!session_.UiReady || pacer_->Dropping() || event->angleDelta().y() == 0) return;
  pacer_->DropUntilCaughtUp();
  const QPoint at = client_->mapFromGlobal(event->globalPosition().toPoint());
  const bool towardsUser = event->angleDelta().y() <= 0;
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  if (panels_->thumbPnl->geometry().contains(at)) {
    Strip().HideNameTag();
    towardsUser ? Strip().StepForward(1) : Strip().StepBack(1);
  } else if (view_->geometry().contains(at)) {
    towardsUser ? Display().NextPhoto(shift, true) : Display().PreviousPhoto(shift, true);
  } else if (panels_->subFolderPnl->rect().contains(panels_->subFolderPnl->mapFrom(client_, at))) {
    towardsUser ? FolderView().Panel().NextFolder() : FolderView().Panel().PreviousFolder();
  }
}

// A held key must not pile up steps behind a slow display: the auto-repeats that arrived while
// a step was being handled are dropped, until the event loop has caught up. True when the key
// is one of the window's; keys that are not go on to the focused control.
bool TMainForm::DispatchKey(const QKeyEvent& event) {
  if (event.isAutoRepeat() && pacer_->Dropping()) return true;
  const commands::KeyChord chord{event.key(), bool(event.modifiers() & Qt::ShiftModifier),
                                 bool(event.modifiers() & Qt::ControlModifier)};
  if (session_.UiReady && !parts_->Commands().HandleKey(chord)) return false;
  pacer_->DropUntilCaughtUp();
  return true;
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
  if (DispatchKey(*event)) {
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

}  // namespace kasumori::ui
