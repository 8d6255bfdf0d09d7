// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/main_form.h"

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
      folderState_(model_.Folders()),
      extensions_(model_.Extensions()),
      loadFailed_(model_.LoadFailed()) {
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
  CreatePhotoList();
  ConnectCommands();
  session_.UiReady = true;
}

TMainForm::~TMainForm() = default;

void TMainForm::CreatePhotoList() {
  display_ = std::make_unique<MainDisplay>(MainDisplayParts{
      *this, *panels_, *view_, *menu_, photoList_, folderState_, session_.settings(),
      session_.dialogs(), loadFailed_, model_.Thumbnails(), [this] { SaveSettings(); },
      [this](int direction) { strip_->RefreshStrip(direction, false); },
      [this] { return session_.UiReady; }, [this] { strip_->HideNameTag(); },
      [this] { return strip_->SelectionFrameCentre(); }});
  strip_ = std::make_unique<ThumbStrip>(ThumbStripParts{
      *panels_->thumbPnl, *panels_->dummyBtn, photoList_, folderState_, session_.settings(),
      model_.Thumbnails(), [this] { return session_.UiReady; },
      [this](int position) { display_->ShowPhoto(position, session_.settings().ListDirection); },
      [this] { wide_->Open(); }});
  wide_ = std::make_unique<TWideThumbForm>(WideThumbParts{
      *strip_, *this, *panels_->thumbPnl, photoList_, session_.settings(), model_.Thumbnails(),
      [this] { return session_.UiReady; }, [this](bool shift) { display_->NextPhoto(shift); },
      [this](bool shift) { display_->PreviousPhoto(shift); },
      [this] { RefreshThumbnails(false, false); },
      [this] { folderView_->Panel().PreviousFolder(); },
      [this] { folderView_->Panel().NextFolder(); }, [this] { return dropPiledUpInput_; },
      [this] { DropInputUntilCaughtUp(); }});
  thumbs::ThumbnailMakerContext makerContext{photoList_, folderState_, session_.settings(),
                                             model_.ThumbnailDecoder(), model_.Thumbnails()};
  makerContext.redrawStrip = [this] { strip_->RefreshStrip(1, true); };
  makerContext.busyCursor = [](bool busy) {
    busy ? QApplication::setOverrideCursor(Qt::WaitCursor) : QApplication::restoreOverrideCursor();
  };
  thumbnailMaker_ = std::make_unique<thumbs::ThumbnailMaker>(makerContext);
  thumbs::ConnectThumbnailMaker(model_.Thumbnails(), *thumbnailMaker_);
  library::PhotoListHooks hooks;
  hooks.watchFolder = [this](const QString& folder) {
    folderView_->Watcher().SetDirectory(folder);
  };
  hooks.refreshStrip = [this] { strip_->RefreshStrip(1, true); };
  hooks.rebuildFolderTree = [this](const QString&) {
    if (!folderState_.HasSlot()) return;
    folderView_->Panel().BuildSlotTree(folderState_.CurrentSlot);
    folderView_->ShowTree();
  };
  hooks.resetPerPhotoState = [this] { model_.Thumbnails().Reset(); };
  hooks.shownPhoto = [this]() -> std::optional<library::ShownPhoto> {
    const display::ShownPhoto& shown = display_->Driver().Shown();
    if (!shown.Shown()) return std::nullopt;
    return library::ShownPhoto{shown.Folder, shown.Name};
  };
  hooks.uiReady = [this] { return session_.UiReady; };
  hooks.saveSettings = [this] { SaveSettings(); };
  hooks.showOrderSettings = [this] {
    const config::Settings& settings = session_.settings();
    menu_->CheckOrder(settings.SortOrder, settings.ListDirection);
    panels_->ShowDirection(settings.ListDirection);
  };
  hooks.setBusyCursor = [](bool busy) {
    busy ? QApplication::setOverrideCursor(Qt::WaitCursor) : QApplication::restoreOverrideCursor();
  };
  listController_ = std::make_unique<library::PhotoListController>(
      photoList_, session_.settings(), folderState_, extensions_, session_.dialogs(),
      std::move(hooks));
  CreateFolderPanel();
}

void TMainForm::CreateFolderPanel() {
  folderView_ = std::make_unique<FolderPanelView>(FolderPanelViewParts{
      *panels_,
      session_.settings(),
      folderState_,
      photoList_,
      *listController_,
      session_.dialogs(),
      model_.Services().picker,
      session_.folders(),
      [this] { return session_.UiReady; },
      [this] { SaveSettings(); },
      [this] { strip_->RefreshStrip(1, true); },
      [this] { strip_->ClearCells(); },
      [this](const QString& photo, const QString& folder, library::DragSource from) {
        MoveDroppedPhoto(photo, folder, from);
      },
      view_,
      panels_->thumbPnl,
      [this](int slot) {
        display::ShownPhoto& shown = display_->Driver().Shown();
        if (shown.Slot == slot) shown.Slot = 0;
      },
      [this](const QString& oldPath, const QString& newPath) {
        display::ShownPhoto& shown = display_->Driver().Shown();
        if (const auto moved = library::RebasedPath(shown.Folder, oldPath, newPath)) {
          shown.Folder = *moved;
        }
      },
      // The favourites keep no photo paths yet.
      {}});
}

void TMainForm::ConnectCommands() {
  ConnectQualityCommands();
  ConnectDisplayCommands();
  ConnectShellCommands();
  connect(menu_->size480Menu, &QAction::triggered, this, [this] { ChooseWindowSize(1); });
  connect(menu_->size640Menu, &QAction::triggered, this, [this] { ChooseWindowSize(2); });
  connect(menu_->size800Menu, &QAction::triggered, this, [this] { ChooseWindowSize(3); });
  connect(menu_->size1024Menu, &QAction::triggered, this, [this] { ChooseWindowSize(8); });
  connect(menu_->sizeNiniMenu, &QAction::triggered, this, [this] { ChooseCustomSize(); });
  auto order = [this](QAction* action, auto command) {
    connect(action, &QAction::triggered, this, [this, command] {
      repaint();  // the menu's trace goes before any long work
      command(*listController_);
    });
  };
  order(menu_->fNameMenu, [](library::PhotoListController& c) { c.SetSortOrder(1); });
  order(menu_->timeMenu, [](library::PhotoListController& c) { c.SetSortOrder(2); });
  order(menu_->exifMenu, [](library::PhotoListController& c) { c.SetSortOrder(3); });
  order(menu_->narabiLeftMenu, [](library::PhotoListController& c) { c.SetListDirection(1); });
  order(menu_->narabiRightMenu, [](library::PhotoListController& c) { c.SetListDirection(-1); });
}

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
  // The photo extension table is built here once the plug-in host exists.
  ApplyLayout();
  PlaceOnScreen();
  panels_->dummyBtn->setFocus();
  display::DrawHistogramStrip(pixels::ViewOf(panels_->histgramImg2->Buffer()));
  display_->Driver().Histogram().ClearHistogram(display_->HistogramImage(), false);
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
  if (wide_->isVisible()) wide_->Close();
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
    ShowPhotoByPath(path);
    return;
  }
  folderState_.CurrentSlot = 1;
  folderState_.CurrentFolder = session_.settings().PhotoFolder1;
  folderState_.SlotCurrentFolder[0] = folderState_.CurrentFolder;
  folderView_->Panel().BuildSlotTree(1);
  folderView_->ShowTree();
  listController_->ScanFolder();
  strip_->RefreshStrip(1, true);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (!panels_ || !display_) return QMainWindow::eventFilter(watched, event);
  if (event->type() == QEvent::MouseMove)
    HideNameTagOutsideStrip(*static_cast<QMouseEvent*>(event));
  if (event->type() == QEvent::MouseButtonPress && watched != client_ &&
      watched != panels_->dummyBtn && HandleLabelClick(watched)) {
    return true;
  }
  if (watched == view_ && HandleViewDrag(event)) return true;
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
  if (!panels_->thumbPnl->rect().contains(at)) strip_->HideNameTag();
}

// The shown photo can be dragged from the view onto the folder tree (not zoomed or in panorama).
bool TMainForm::HandleViewDrag(QEvent* event) {
  auto* mouse = static_cast<QMouseEvent*>(event);
  if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
    viewPressAt_ = mouse->globalPosition().toPoint();
    return false;
  }
  if (event->type() != QEvent::MouseMove || !(mouse->buttons() & Qt::LeftButton)) return false;
  if ((mouse->globalPosition().toPoint() - viewPressAt_).manhattanLength() <
      QApplication::startDragDistance()) {
    return false;
  }
  const display::ShownPhoto& shown = display_->Driver().Shown();
  const display::DisplayModes& modes = display_->Driver().Modes();
  if (!session_.UiReady || !shown.Shown() || modes.ZoomMode || modes.PanoramaMode != 0) {
    return false;
  }
  StartPhotoDrag(view_, shown.Folder + u'/' + shown.Name);
  return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (slideshowActive_) {
    slideshowActive_ = false;
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

}  // namespace kasumori::ui
