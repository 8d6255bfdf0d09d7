// SPDX-License-Identifier: GPL-3.0-or-later
// The main window over real folders with the favourites files in its program folder, for the
// tests of the add dialog and the make-folder dialog.
#pragma once

#include "favourites/favourites_files.h"
#include "ui/library/photo_moves_fixture.h"

#include <QApplication>
#include <QTimer>
#include <QTreeWidget>

namespace kasumori::ui {

class FavouriteAddWindowTest : public PhotoMovesWindowTest {
 protected:
  // An add opens the favourites window on the new favourite; tests of the add dialog close it
  // at once and count it.
  void SetUp() override {
    PhotoMovesWindowTest::SetUp();
    QObject::connect(&closer_, &QTimer::timeout, [this] {
      auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (closeFavouritesWindow && modal && modal->objectName() == "TOkiniForm") {
        ++favouritesWindowsClosed;
        modal->reject();
      }
    });
    closer_.start(5);
  }
  bool closeFavouritesWindow = true;
  int favouritesWindowsClosed = 0;

  QStringList Keys() const { return favourites::ReadListFile(program + "/Okini.dat"); }
  QStringList Paths() const { return favourites::ReadListFile(program + "/Okini2.dat"); }
  QStringList FolderLines() const { return favourites::ReadListFile(program + "/OkiniF.dat"); }
  void WriteFolders(const QStringList& lines) {
    tree.File("program/OkiniF.dat", lines.join("\r\n").toUtf8() + "\r\n");
  }

  // The window with P1.jpg shown.
  std::unique_ptr<TMainForm> OpenOnPhoto() {
    Photo("P1.jpg", 1);
    auto form = Open();
    EXPECT_TRUE(ShowByKeys(*form, "P1.jpg"));
    return form;
  }

  // Where the keyboard's keys go. A dialog just opened gets the focus only once it is the
  // active window; offscreen, nobody activates a dialog opened from a click in another one,
  // so the test does what the window manager would.
  static QWidget* Focus() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr) {
      if (QApplication::activeWindow() != modal) modal->activateWindow();
      EXPECT_TRUE(QTest::qWaitFor([modal] {
        const QWidget* focus = QApplication::focusWidget();
        return focus != nullptr && focus->window() == modal;
      }));
    }
    return QApplication::focusWidget();
  }

  // A key pressed where the focus is, as the user's keyboard does.
  static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = Focus();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key(key), modifiers);
  }
  // Each character as a key carrying its text: QTest's own typing knows only ASCII keys.
  static void Type(const QString& text) {
    QWidget* focus = Focus();
    ASSERT_NE(focus, nullptr);
    for (const QChar ch : text) {
      QTest::sendKeyEvent(QTest::Press, focus, Qt::Key_unknown, QString(ch), Qt::NoModifier);
      QTest::sendKeyEvent(QTest::Release, focus, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
  }

  static QTreeWidgetItem* FindNode(QTreeWidget& view, const QString& text) {
    const QList<QTreeWidgetItem*> found =
        view.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
  }
  static void ClickFolder(QDialog& dialog, const QString& text) {
    auto* view = dialog.findChild<QTreeWidget*>("OAFolderTree");
    ASSERT_NE(view, nullptr);
    QTreeWidgetItem* item = FindNode(*view, text);
    ASSERT_NE(item, nullptr) << text.toStdString();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(item).center());
  }
  static QString CurrentFolderText(QDialog& dialog) {
    auto* view = dialog.findChild<QTreeWidget*>("OAFolderTree");
    return view && view->currentItem() ? view->currentItem()->text(0) : QString();
  }

 private:
  QTimer closer_;
};

}  // namespace kasumori::ui
