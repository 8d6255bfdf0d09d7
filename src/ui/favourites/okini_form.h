// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "favourites/favourite_thumbnails.h"
#include "favourites/favourites_commands.h"
#include "favourites/favourites_grid.h"
#include "favourites/favourites_page.h"
#include "favourites/favourites_store.h"
#include "platform/dialog_service.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QMenu;
class QPushButton;
class QTreeWidget;

namespace kasumori::ui {

class FavouritesFolderPane;
class NameTag;
class ViewImage;

struct OkiniFormParts {
  QWidget& mainWindow;
  favourites::FavouritesStore& store;
  favourites::FavouriteThumbnails& thumbnails;
  platform::DialogService& dialogs;
  bool& uiReady;  // the main window's: input waits while it is off
  std::function<bool()> photoShown;
};

// The favourites window: the favourites folder tree on the left, a page of the chosen folder's
// favourites on the right. Made once and shown modally each time; the store is read afresh
// whenever it opens.
class TOkiniForm final : public QDialog {
  Q_OBJECT

 public:
  // The modal results beside the plain cancel.
  static constexpr int kAddShownPhoto = 6;
  static constexpr int kOpenFavourite = 100;

  explicit TOkiniForm(OkiniFormParts parts);
  ~TOkiniForm() override;

  // Lays the window out for the grid, loads the current folder, highlights HighlightKey's
  // favourite and runs the window.
  int Open(const favourites::FavouritesGrid& grid);
  // The photo of the favourite the window closed for.
  const QString& PhotoToOpen() const { return photoToOpen_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void BuildThumbPanel();
  void BuildPopup();
  void LayOut();
  void LoadFolder();
  void FolderChanged();

  // Drawing and paging.
  void Redraw(favourites::PageChange change);
  void DrawCell(int cell);
  void ShowFrames();
  void Move(favourites::PageMove move);
  void RefreshHover();

  // Keys and the mouse.
  void HandleKey(const QKeyEvent& key);
  void Run(const favourites::FavouritesRequest& request);
  bool HandleThumbMouse(QObject* watched, QEvent& event);
  bool HandleWheel(QObject* watched, const QWheelEvent& wheel);
  void Hover(QObject* watched);
  int CellOf(const QObject* watched) const;
  void Press(int cell, QPoint global);
  void Release(QPoint global);
  void RightPress(int cell, QPoint global);

  // What the favourites themselves go through.
  void OpenFavourite(int cell);
  void DropOnFolder(int cell, int node);
  void RunOperation(favourites::SelectionOperation operation, bool fromMenu);
  void RemoveSelected(const std::vector<int>& numbers);
  void RenameSelected(const std::vector<int>& numbers);
  void RenewSelected(const std::vector<int>& numbers);
  void AddShownPhoto();
  void ReportWriteFailure(const std::exception& error);

  OkiniFormParts p_;
  favourites::FavouritesGrid grid_;
  std::unique_ptr<favourites::FavouritesPage> page_;
  QString photoToOpen_;
  int pressedCell_ = 0;
  bool dragging_ = false;
  int hoveredCell_ = 0;

  QWidget* folderPnl_;
  QWidget* folderUePnl_;
  QTreeWidget* tree_;
  FavouritesFolderPane* pane_;
  QPushButton* okiniAddBtn_;
  QPushButton* makeBtn_;
  QWidget* thumbPnl_;
  std::array<QWidget*, favourites::kMaxCells> frames_{};
  std::array<ViewImage*, favourites::kMaxCells> cells_{};
  QPushButton *thumbTopBtn_, *thumbEndBtn_, *thumbLeftBtn_, *thumbRightBtn_;
  QPushButton *menuBtn_, *tojiruBtn_;
  QPushButton* dummyBtn_;
  std::unique_ptr<NameTag> nameTag_;
  QMenu* popup_;
};

}  // namespace kasumori::ui
