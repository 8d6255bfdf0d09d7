// SPDX-License-Identifier: GPL-3.0-or-later
// TSusieForm: the window that lists the loaded plug-ins and says how to add more.
#pragma once

#include <QDialog>

namespace kasumori::imaging {
class TSPIs;
}
namespace kasumori::platform {
class DialogService;
class ShellOpenService;
}  // namespace kasumori::platform

class QPushButton;
class QTableWidget;

namespace kasumori::ui {

struct SusieFormDeps {
  const imaging::TSPIs* plugins;  // null: none loaded
  platform::DialogService& dialogs;
  platform::ShellOpenService& shellOpen;
  QString programFolder;   // opened by FolderBtn
  QString resourceFolder;  // holds Plugin.html
};

class TSusieForm final : public QDialog {
  Q_OBJECT

 public:
  TSusieForm(QWidget* mainWindow, SusieFormDeps deps);

 protected:
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildTexts();
  void BuildGrid();
  void BuildFrame();
  void BuildButtons();
  void FillGrid();
  void OpenProgramFolder();

  QWidget* mainWindow_;
  SusieFormDeps deps_;
  QTableWidget* pluginGrid_ = nullptr;
  QPushButton* tojiruBtn_ = nullptr;
};

}  // namespace kasumori::ui
