// SPDX-License-Identifier: GPL-3.0-or-later
// The main window over real folders, for the tests of the file commands on photos: photos and
// edit records to put there, and the keys, the rename window and the folder-tree drops that
// drive the commands.
#pragma once

#include "support/edit_record_file.h"
#include "support/camera_jpeg.h"
#include "support/main_form_fixture.h"
#include "support/modal_dialog.h"
#include "ui/display/main_display.h"
#include "ui/library/folder_panel_view.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_panels.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>

namespace kasumori::ui {

class PhotoMovesWindowTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {
 protected:
  // Photos that decode, each with its own picture, so that a mix-up shows in the bytes. They
  // are larger than a strip cell, so their thumbnails are cached.
  static QByteArray Jpeg(int seed) {
    return testkit::EncodeJpeg(testkit::MakeTestPicture(160, 120, seed), {});
  }
  QByteArray Photo(const QString& relative, int seed) {
    const QByteArray bytes = Jpeg(seed);
    tree.File("home/Pictures/" + relative, bytes);
    return bytes;
  }
  // An edit record with no edits; the note in its comment tells records apart.
  static QByteArray Record(const QByteArray& note) { return testkit::PlainEditRecord(note); }
  QString Pictures(const QString& below = {}) const {
    return tree.Path("home/Pictures") + (below.isEmpty() ? QString() : '/' + below);
  }
  bool Has(const QString& below) const { return tree.Exists("home/Pictures/" + below); }
  QByteArray Bytes(const QString& below) const { return tree.Read("home/Pictures/" + below); }
  // The cached thumbnail folder of a folder under the slot root.
  QString Cache(const QString& below = {}) const {
    return program + "/Thumbnail/01/Pictures" + (below.isEmpty() ? QString() : '/' + below);
  }
  static QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  }

  std::unique_ptr<TMainForm> Open() {
    auto form = Start();
    QCoreApplication::processEvents();
    dialogs.Clear();  // the first-run notice
    return form;
  }
  static QString ShownName(TMainForm& form) { return form.Display().Driver().Shown().Name; }
  static bool Showing(TMainForm& form) { return form.Display().Driver().Shown().Shown(); }
  static QStringList Listed(const TMainForm& form) {
    QStringList names;
    for (int p = 1; p <= form.PhotoList().PhotoCount; ++p) names << form.PhotoList().Name(p);
    return names;
  }
  // Steps with X until the photo is shown; false when the list ends first.
  static bool ShowByKeys(TMainForm& form, const QString& name) {
    for (int i = 0; i <= form.PhotoList().PhotoCount; ++i) {
      QTest::keyClick(&form, Qt::Key_X);
      if (ShownName(form) == name) return true;
    }
    return false;
  }
  static QTreeWidgetItem* Node(TMainForm& form, const QString& text) {
    QTreeWidgetItem* root = form.Panels().folderTree->topLevelItem(0);
    if (root == nullptr || root->text(0) == text) return root;
    for (int i = 0; i < root->childCount(); ++i) {
      if (root->child(i)->text(0) == text) return root->child(i);
    }
    return nullptr;
  }
  // A plain click on a node, which makes its folder current.
  static void ClickNode(TMainForm& form, const QString& text) {
    QTreeWidget* view = form.Panels().folderTree;
    QTreeWidgetItem* item = Node(form, text);
    ASSERT_NE(item, nullptr) << text.toStdString();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(item).center());
    QCoreApplication::processEvents();
  }
  void DropFromStrip(TMainForm& form, const QString& below, const QString& node) {
    QTreeWidgetItem* item = Node(form, node);
    ASSERT_NE(item, nullptr) << node.toStdString();
    form.FolderView().DropPhoto(Pictures(below), item, library::DragSource::Strip);
  }
  static void DropFromView(TMainForm& form, const QString& node) {
    QTreeWidgetItem* item = Node(form, node);
    ASSERT_NE(item, nullptr) << node.toStdString();
    const display::ShownPhoto& shown = form.Display().Driver().Shown();
    form.FolderView().DropPhoto(shown.Folder + '/' + shown.Name, item,
                                library::DragSource::PhotoView);
  }
  // F2 with the name typed into the rename window and "決定" pressed. False when no window
  // opened. A window that stays open (a refused name) is cancelled.
  static bool RenameByF2(TMainForm& form, const QString& typed) {
    const testkit::WhenModalShown window([&](QDialog& window) {
      window.findChild<QLineEdit*>("NewNameEdit")->setText(typed);
      window.findChild<QPushButton*>("KetteiBtn")->click();
    });
    QTest::keyClick(&form, Qt::Key_F2);
    QCoreApplication::processEvents();
    return window.Acted();
  }
  static bool WaitFor(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds) QTest::qWait(20);
    return done();
  }
  static bool WaitForFile(const QString& path) {
    return WaitFor([&] { return QFileInfo::exists(path); }, 2000);
  }
};

}  // namespace kasumori::ui
