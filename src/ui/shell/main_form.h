// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/command.h"
#include "commands/no_photo_notice.h"
#include "library/fileops/file_system.h"
#include "library/fileops/photo_commands.h"
#include "library/folder_state.h"
#include "library/load_failed_flags.h"
#include "library/photo_extensions.h"
#include "library/photo_list.h"
#include "library/photo_list_controller.h"
#include "platform/dialog_service.h"
#include "platform/platform_services.h"
#include "shell/app_model.h"
#include "shell/shell_session.h"
#include "shell/window_layout.h"
#include "imaging/decode/photo_decoder.h"
#include "thumbs/thumbnail_cache.h"
#include "thumbs/thumbnail_maker.h"

#include <QMainWindow>

#include <memory>

class QMouseEvent;

namespace kasumori::ui {

class MainDisplay;
class ThumbStrip;
class FolderPanelView;
class TWideThumbForm;
class ViewImage;
struct MainMenu;
struct MainPanels;

// What the program entry hands the main window: the platform's services and the command line.
struct MainFormServices {
  shell::PlatformServices platform;
  QString executableFolder;
  QString startupPath;  // the first command-line argument, if any
};

// The main window. It owns the program's state and routes the window's events to it.
class TMainForm final : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMainForm(MainFormServices services);
  ~TMainForm() override;

  shell::ShellSession& Session() { return session_; }
  ViewImage* View() const { return view_; }
  MainPanels& Panels() { return *panels_; }
  QSize DisplaySize() const { return displaySize_; }
  const library::PhotoList& PhotoList() const { return photoList_; }
  const library::FolderState& Folders() const { return folderState_; }

  // Lays the window out for WindowSizeMode.
  void ApplyLayout();
  // The window-size commands: 1, 2, 3 or 8 for the standard sizes.
  void ChooseWindowSize(std::uint8_t windowSizeMode);
  void ChooseCustomSize();

  // Makes the photo's folder current (in the slot that holds it, or as another folder),
  // lists it and shows the photo.
  void ShowPhotoByPath(const QString& path);
  MainDisplay& Display() { return *display_; }
  ThumbStrip& Strip() { return *strip_; }
  FolderPanelView& FolderView() { return *folderView_; }
  TWideThumbForm& WideThumbs() { return *wide_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void CreateClientArea();
  void PlaceOnScreen();
  void OnActivated();
  void OnFirstActivation();
  bool HandleViewDrag(QEvent* event);
  void HideNameTagOutsideStrip(const QMouseEvent& event);
  void ConnectCommands();
  void CreatePhotoList();
  void CreateFolderPanel();
  void ConnectQualityCommands();
  void ConnectDisplayCommands();
  bool HandleKey(const QKeyEvent& event);
  struct CommandInput {
    commands::CommandSource source;
    bool shift;
  };
  void RunCommand(commands::Command command, CommandInput input);
  bool DispatchKey(const QKeyEvent& event);
  void DropInputUntilCaughtUp();
  void RefreshThumbnails(bool all, bool fromMenu);
  void DeleteShownPhoto();
  void RenameShownPhoto();
  void MoveDroppedPhoto(const QString& photoPath, const QString& folder, library::DragSource from);
  bool ExplainWithoutPhoto(commands::Command command, commands::CommandSource source);
  // The shown photo is gone from the view (grey, no histogram).
  void ClearDisplay();
  // The list read again at the same place, and the photo now at the cursor shown.
  void RescanAndShowCurrent();
  library::PhotoPlace ShownPlace() const;
  void RescanKeepingPosition();
  bool HandleLabelClick(QObject* watched);
  void ResetQualityLabels(shell::LayoutKind layout);
  void SaveSettings();
  void ConnectShellCommands();
  void OpenFolderInFileManager();
  void ShowAboutNotice();

  shell::AppModel model_;
  // Short names for the model's parts, which live as long as the window.
  shell::ShellSession& session_;
  library::PhotoList& photoList_;
  library::FolderState& folderState_;
  library::PhotoExtensions& extensions_;
  library::LoadFailedFlags& loadFailed_;
  QWidget* client_ = nullptr;
  ViewImage* view_ = nullptr;
  std::unique_ptr<MainPanels> panels_;
  std::unique_ptr<MainMenu> menu_;
  std::unique_ptr<library::PhotoListController> listController_;
  std::unique_ptr<thumbs::ThumbnailMaker> thumbnailMaker_;
  std::unique_ptr<MainDisplay> display_;
  std::unique_ptr<ThumbStrip> strip_;
  std::unique_ptr<FolderPanelView> folderView_;
  std::unique_ptr<TWideThumbForm> wide_;
  QSize displaySize_;
  bool shownOnce_ = false;
  QPoint viewPressAt_;
  bool dropPiledUpInput_ = false;  // auto-repeats and wheel turns that came during a step
  bool slideshowActive_ = false;
};

}  // namespace kasumori::ui
