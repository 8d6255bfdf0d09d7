// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialog_service.h"
#include "platform/platform_services.h"
#include "shell/shell_session.h"

#include <QMainWindow>

#include <memory>

namespace kasumori::ui {

class ViewImage;

struct MainFormServices {
  platform::DialogService& dialogs;
  platform::SpecialFolders& special;
  platform::SingleInstanceMarker& marker;
  const platform::Clock& clock;
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

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateClientArea();
  void PlaceOnScreen();
  void OnActivated();
  void OnFirstActivation();
  void OnClientPainted();

  MainFormServices services_;
  shell::ShellSession session_;
  QWidget* client_ = nullptr;
  ViewImage* view_ = nullptr;
  bool shownOnce_ = false;
  bool slideshowActive_ = false;
};

}  // namespace kasumori::ui
