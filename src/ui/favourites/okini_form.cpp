// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/favourites/okini_form.h"

#include "commands/key_map.h"
#include "config/text_file.h"
#include "favourites/favourites_notices.h"
#include "ui/common/fonts.h"
#include "ui/common/form_text.h"
#include "ui/common/input_events.h"
#include "ui/common/view_image.h"
#include "ui/favourites/folder_pane.h"
#include "ui/thumbs/name_tag.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

#include <cstring>
#include <utility>

namespace kasumori::ui {

namespace {

const QColor kCellGrey(128, 128, 128);
const QColor kFrameOrange(255, 176, 0);

QPushButton* SmallButton(QWidget* parent, const char* name, const QString& text, int fontPx,
                         bool bold = false) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  button->setFont(ProportionalGothic(fontPx, bold));
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

TOkiniForm::TOkiniForm(OkiniFormParts parts)
    : QDialog(&parts.mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                     Qt::MSWindowsFixedSizeDialogHint),
      p_(std::move(parts)) {
  setObjectName("TOkiniForm");
  // Shown before its loop runs, so that the thumbnails appear one by one: modal from the start.
  setWindowModality(Qt::ApplicationModal);
  setWindowTitle(QStringLiteral("お気に入り"));
  setFont(ProportionalGothic(12));
  PaintFormGreen(this);
  BuildControls();
  BuildThumbPanel();
  BuildPopup();
}

TOkiniForm::~TOkiniForm() = default;

void TOkiniForm::BuildControls() {
  // The keys go to an invisible button, so that every key reaches the window's handler.
  dummyBtn_ = new QPushButton(this);
  dummyBtn_->setObjectName("DummyBtn");
  dummyBtn_->setGeometry(0, 0, 0, 0);
  dummyBtn_->installEventFilter(this);
  folderPnl_ = ColourPanel(this, "FolderPnl", QColor(192, 192, 192), {});
  folderUePnl_ = ColourPanel(folderPnl_, "FolderUePnl", Qt::white, {});
  tree_ = new QTreeWidget(folderPnl_);
  tree_->setObjectName("OFolderTree");
  pane_ = new FavouritesFolderPane(
      {*this, p_.mainWindow, p_.store, p_.dialogs,
       &favourites::FavouritesStore::CurrentFavouritesFolder,
       favourites::FolderMenuOwner::FavouritesWindow, p_.uiReady, [this] { FolderChanged(); }},
      *folderPnl_, *tree_);
  okiniAddBtn_ = SmallButton(this, "OkiniAddBtn", QStringLiteral("表示中写真を追加"), 12);
  connect(okiniAddBtn_, &QPushButton::clicked, this, &TOkiniForm::AddShownPhoto);
  makeBtn_ = SmallButton(this, "MakeBtn", QStringLiteral("フォルダを作成"), 12);
  connect(makeBtn_, &QPushButton::clicked, pane_, &FavouritesFolderPane::MakeFolder);
  for (QWidget* w : std::initializer_list<QWidget*>{folderPnl_, folderUePnl_, tree_->viewport(),
                                                    okiniAddBtn_, makeBtn_, this}) {
    w->installEventFilter(this);
  }
}

void TOkiniForm::BuildThumbPanel() {
  thumbPnl_ = ColourPanel(this, "OkiniThumbPnl", QColor(160, 160, 160), {});
  thumbPnl_->installEventFilter(this);
  thumbPnl_->setMouseTracking(true);
  for (int i = 0; i < favourites::kMaxCells; ++i) {
    const QString number = QString::number(i + 1);
    frames_[i] = ColourPanel(thumbPnl_, "", kFrameOrange, {});
    frames_[i]->setObjectName(QStringLiteral("OkiniFrame") + number);
    cells_[i] = new ViewImage(thumbPnl_, "");
    cells_[i]->setObjectName(QStringLiteral("OkiniImg") + number);
    cells_[i]->Reset(favourites::kCellSize, kCellGrey);
    for (QWidget* w : std::initializer_list<QWidget*>{frames_[i], cells_[i]}) {
      w->setCursor(Qt::PointingHandCursor);
      w->setMouseTracking(true);  // the labels follow the pointer without a button held
      w->installEventFilter(this);
    }
  }
  nameTag_ = std::make_unique<NameTag>(thumbPnl_, "ONameImg");
  nameTag_->Label()->installEventFilter(this);
  thumbTopBtn_ = SmallButton(thumbPnl_, "ThumbTopBtn", QStringLiteral("|◀"), 9);
  thumbEndBtn_ = SmallButton(thumbPnl_, "ThumbEndBtn", QStringLiteral("▶|"), 9);
  thumbLeftBtn_ = SmallButton(thumbPnl_, "ThumbLeftBtn", QStringLiteral("←"), 12, true);
  thumbRightBtn_ = SmallButton(thumbPnl_, "ThumbRightBtn", QStringLiteral("→"), 12, true);
  menuBtn_ = SmallButton(thumbPnl_, "MenuBtn", QStringLiteral("ﾒﾆｭｰ"), 11);
  tojiruBtn_ = SmallButton(thumbPnl_, "TojiruBtn", QStringLiteral("閉じる"), 11);
  // A page at once, again after 400 ms, then every 100 ms while the button is held.
  for (QPushButton* arrow : {thumbLeftBtn_, thumbRightBtn_}) {
    arrow->setAutoRepeat(true);
    arrow->setAutoRepeatDelay(400);
    arrow->setAutoRepeatInterval(100);
  }
  using favourites::PageMove;
  connect(thumbLeftBtn_, &QPushButton::pressed, this, [this] { Move(PageMove::PageBack); });
  connect(thumbRightBtn_, &QPushButton::pressed, this, [this] { Move(PageMove::PageForward); });
  connect(thumbTopBtn_, &QPushButton::clicked, this, [this] { Move(PageMove::FirstPage); });
  connect(thumbEndBtn_, &QPushButton::clicked, this, [this] { Move(PageMove::LastPage); });
  connect(menuBtn_, &QPushButton::clicked, this, [this] { popup_->exec(QCursor::pos()); });
  connect(tojiruBtn_, &QPushButton::clicked, this, &QDialog::reject);
  for (QWidget* button :
       {thumbTopBtn_, thumbEndBtn_, thumbLeftBtn_, thumbRightBtn_, menuBtn_, tojiruBtn_}) {
    button->installEventFilter(this);
  }
}

void TOkiniForm::LayOut() {
  const favourites::FavouritesWindowLayout l = favourites::LayoutFor(grid_);
  setFixedSize(l.client);
  folderPnl_->setGeometry(l.folderPnl);
  folderUePnl_->setGeometry(l.folderUePnl);
  tree_->setGeometry(l.folderTree);
  okiniAddBtn_->setGeometry(l.okiniAddBtn);
  makeBtn_->setGeometry(l.makeBtn);
  thumbPnl_->setGeometry(l.thumbPnl);
  thumbTopBtn_->setGeometry(l.thumbTopBtn);
  thumbEndBtn_->setGeometry(l.thumbEndBtn);
  thumbLeftBtn_->setGeometry(l.thumbLeftBtn);
  thumbRightBtn_->setGeometry(l.thumbRightBtn);
  menuBtn_->setGeometry(l.menuBtn);
  tojiruBtn_->setGeometry(l.tojiruBtn);
  for (int c = 1; c <= favourites::kMaxCells; ++c) {
    const bool used = c <= grid_.Cells();
    cells_[c - 1]->setGeometry(favourites::CellRect(grid_, c));
    frames_[c - 1]->setGeometry(favourites::FrameRect(grid_, c));
    cells_[c - 1]->setVisible(used);
    frames_[c - 1]->hide();
  }
  const QRect main = p_.mainWindow.frameGeometry();
  move(favourites::CentredOn(main, frameGeometry().isValid() ? frameGeometry().size() : size()));
}

int TOkiniForm::Open(const favourites::FavouritesGrid& grid) {
  grid_ = grid;
  page_ = std::make_unique<favourites::FavouritesPage>(grid_);
  photoToOpen_.clear();
  LayOut();
  p_.uiReady = false;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  for (ViewImage* cell : cells_) cell->Fill(kCellGrey);
  try {
    p_.store.Load();
  } catch (const config::TextFileError& error) {
    QApplication::restoreOverrideCursor();
    p_.uiReady = true;
    ReportWriteFailure(error);
    return QDialog::Rejected;
  }
  EndDrag();
  pane_->Rebuild();
  const favourites::FolderLoadOutcome outcome = p_.store.LoadFolder(pane_->Folder());
  page_->ShowFromStart();
  if (!p_.store.HighlightKey.isEmpty()) page_->Highlight(p_.store.Folder(), p_.store.HighlightKey);
  show();
  Redraw(favourites::PageChange::CellsForward);
  QApplication::restoreOverrideCursor();
  p_.uiReady = true;
  if (outcome == favourites::FolderLoadOutcome::MoreThan300) {
    p_.dialogs.Notice(favourites::MoreThan300Lines());
  }
  dummyBtn_->setFocus();
  RefreshHover();
  return exec();
}

void TOkiniForm::FolderChanged() {
  const bool wasReady = std::exchange(p_.uiReady, false);
  const favourites::FolderLoadOutcome outcome = p_.store.LoadFolder(pane_->Folder());
  p_.uiReady = wasReady;
  ShowLoaded(outcome);
}

void TOkiniForm::ShowLoaded(favourites::FolderLoadOutcome outcome) {
  page_->ShowFromStart();
  {
    // Input waits while the cells fill one by one.
    const bool wasReady = std::exchange(p_.uiReady, false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Redraw(favourites::PageChange::CellsForward);
    QApplication::restoreOverrideCursor();
    p_.uiReady = wasReady;
  }
  if (outcome == favourites::FolderLoadOutcome::MoreThan300) {
    p_.dialogs.Notice(favourites::MoreThan300Lines());
  }
  RefreshHover();
}

void TOkiniForm::Redraw(favourites::PageChange change) {
  using favourites::PageChange;
  if (change == PageChange::None) return;
  if (change == PageChange::Frames) return ShowFrames();
  // A drag belongs to the entry that was pressed, which the new page may not show.
  EndDrag();
  nameTag_->Forget();
  hoveredCell_ = 0;
  for (int c = 1; c <= grid_.Cells(); ++c) {
    cells_[c - 1]->Fill(kCellGrey);
    frames_[c - 1]->hide();
  }
  const int cells = grid_.Cells();
  std::vector<int> numbers;
  for (int i = 0; i < cells; ++i)
    numbers.push_back(page_->EntryOfCell(change == PageChange::CellsBackward ? cells - i : i + 1));
  p_.thumbnails.Upcoming(numbers);
  if (change == PageChange::CellsBackward) {
    for (int c = cells; c >= 1; --c) DrawCell(c);
  } else {
    for (int c = 1; c <= cells; ++c) DrawCell(c);
  }
}

void TOkiniForm::DrawCell(int cell) {
  favourites::LoadedFolder& folder = p_.store.Folder();
  const int number = page_->EntryOfCell(cell);
  if (page_->EntryInCell(folder, cell) == nullptr) return;
  favourites::FavouriteEntry& entry = *folder.Entry(number);
  if (!entry.Loaded) p_.thumbnails.Load(number);
  if (entry.Thumbnail) {
    const imaging::TQxDIB& thumb = *entry.Thumbnail;
    imaging::TQxDIB& target = cells_[cell - 1]->Buffer();
    const int rows = std::min(thumb.Height(), target.Height());
    const int bytes = 3 * std::min(thumb.Width(), target.Width());
    for (int y = 0; y < rows; ++y) std::memcpy(target.ScanLine(y), thumb.ConstScanLine(y), bytes);
  }
  frames_[cell - 1]->setVisible(entry.Selected);
  cells_[cell - 1]->repaint();  // the thumbnails show up one by one
}

void TOkiniForm::ShowFrames() {
  const favourites::LoadedFolder& folder = p_.store.Folder();
  for (int c = 1; c <= grid_.Cells(); ++c) {
    const favourites::FavouriteEntry* entry = page_->EntryInCell(folder, c);
    frames_[c - 1]->setVisible(entry != nullptr && entry->Selected);
  }
}

void TOkiniForm::Move(favourites::PageMove move) {
  if (!p_.uiReady) return;
  Redraw(page_->Move(move, p_.store.Folder()));
  RefreshHover();
}

void TOkiniForm::keyPressEvent(QKeyEvent* event) {
  if (p_.uiReady) HandleKey(*event);
}

void TOkiniForm::HandleKey(const QKeyEvent& key) {
  if (key.isAutoRepeat() && pacer_.Dropping()) return;
  pacer_.DropUntilCaughtUp();
  const commands::KeyChord chord{key.key(), key.modifiers().testFlag(Qt::ShiftModifier),
                                 key.modifiers().testFlag(Qt::ControlModifier)};
  const auto command = commands::CommandForKey(commands::KeyMapKind::Favourites, chord,
                                               library::ListDirection::LeftToRight);
  if (!command) return;
  if (const auto request = favourites::RequestOf(*command)) Run(*request);
}

void TOkiniForm::Run(const favourites::FavouritesRequest& request) {
  using namespace favourites;
  if (const auto* move = std::get_if<PageMove>(&request)) return Move(*move);
  if (std::holds_alternative<SelectPageToggle>(request)) {
    if (p_.store.Folder().Count > 0) Redraw(page_->ToggleSelectPage(p_.store.Folder()));
    return;
  }
  if (const auto* walk = std::get_if<FolderWalk>(&request)) {
    *walk == FolderWalk::Previous ? pane_->Previous() : pane_->Next();
    return RefreshHover();
  }
  if (std::holds_alternative<CloseFavourites>(request)) return reject();
  if (const auto* operation = std::get_if<SelectionOperation>(&request)) {
    RunOperation(*operation, false);
  }
}

void TOkiniForm::ReportWriteFailure(const std::exception& error) {
  // The path and the system's reason each get a line of their own.
  p_.dialogs.Notice(QString::fromStdString(error.what()).split(QStringLiteral(": ")));
}

}  // namespace kasumori::ui
