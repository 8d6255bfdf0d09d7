// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/fileops/photo_commands.h"
#include "library/folder_state.h"
#include "library/photo_list.h"
#include "platform/platform_services.h"
#include "shell/app_model.h"
#include "shell/shell_session.h"
#include "shell/window_layout.h"

#include <QMainWindow>

#include <memory>

class QKeyEvent;
class QMouseEvent;

namespace kasumori::ui {

class InputPacer;
class MainParts;
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

// The main window. It lays out and owns the windows' parts, and routes its events: keys, menu
// entries and clicks to its command router, the wheel to what is under the pointer.
class TMainForm final : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMainForm(MainFormServices services);
  ~TMainForm() override;

  shell::ShellSession& Session() { return session_; }
  shell::AppModel& Model() { return model_; }
  ViewImage* View() const { return view_; }
  MainPanels& Panels() { return *panels_; }
  QSize DisplaySize() const { return displaySize_; }
  const library::PhotoList& PhotoList() const { return photoList_; }
  const library::FolderState& Folders() const { return folderState_; }
  MainDisplay& Display();
  ThumbStrip& Strip();
  FolderPanelView& FolderView();
  TWideThumbForm& WideThumbs();

  // Lays the window out for the window size mode.
  void ApplyLayout();
  void ChooseWindowSize(config::WindowSizeMode windowSizeMode);
  void ChooseCustomSize();
  void ShowPhotoByPath(const QString& path);

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
  bool HandleViewFullScreen(const QEvent& event);
  void HideNameTagOutsideStrip(const QMouseEvent& event);
  bool DispatchKey(const QKeyEvent& event);
  void ResetQualityLabels(shell::LayoutKind layout);
  void SaveSettings();

  shell::AppModel model_;
  // Short names for the model's parts, which live as long as the window.
  shell::ShellSession& session_;
  library::PhotoList& photoList_;
  library::FolderState& folderState_;
  QWidget* client_ = nullptr;
  ViewImage* view_ = nullptr;
  std::unique_ptr<MainPanels> panels_;
  std::unique_ptr<MainMenu> menu_;
  std::unique_ptr<InputPacer> pacer_;
  std::unique_ptr<MainParts> parts_;
  QSize displaySize_;
  bool shownOnce_ = false;
  QPoint viewPressAt_;
};

}  // namespace kasumori::ui
