// SPDX-License-Identifier: GPL-3.0-or-later
// The favourites window opened from the main window, driven by its keys and the mouse.
#include "ui/favourites/favourite_add_fixture.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

namespace kasumori::ui {
namespace {

class OkiniFormTest : public FavouriteAddWindowTest {
 protected:
  OkiniFormTest() { closeFavouritesWindow = false; }

  // Favourites F01.jpg .. at the root whose photos are gone, so their thumbnails are black.
  void WriteFavourites(int count) {
    QStringList keys, paths;
    for (int n = 1; n <= count; ++n) {
      keys << QStringLiteral("F%1.jpg").arg(n, 2, 10, QLatin1Char('0'));
      paths << tree.Path("gone") + '/' + keys.last();
    }
    tree.File("program/Okini.dat", keys.join("\r\n").toUtf8() + "\r\n");
    tree.File("program/Okini2.dat", paths.join("\r\n").toUtf8() + "\r\n");
  }
  // The 480 size mode gives the smallest grid, 6 × 6 with 35 cells.
  std::unique_ptr<TMainForm> OpenSmall() {
    auto form = Open();
    form->ChooseWindowSize(config::WindowSizeMode::Size480);
    return form;
  }
  static QStringList Selected(TMainForm& form) {
    const favourites::LoadedFolder& folder = form.Model().Favourites().Folder();
    QStringList names;
    for (int n = 1; n <= folder.Count; ++n) {
      if (folder.Entry(n)->Selected) names << folder.Entry(n)->Name;
    }
    return names;
  }
  static QStringList Names(int first, int last) {
    QStringList names;
    for (int n = first; n <= last; ++n)
      names << QStringLiteral("F%1.jpg").arg(n, 2, 10, QLatin1Char('0'));
    return names;
  }
  static QWidget* Cell(QDialog& dialog, int cell) {
    return dialog.findChild<QWidget*>(QStringLiteral("OkiniImg%1").arg(cell));
  }
  static QRgb CellPixel(QDialog& dialog, int cell) {
    return Cell(dialog, cell)->grab().toImage().pixel(40, 30);
  }
};

TEST_F(OkiniFormTest, TheLastPageLeavesItsLastCellEmptyAndCtrlASelectsOnlyThePage) {
  const struct {
    int count;
    int lastPageFirst;
  } cases[] = {{36, 3}, {35, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    WriteFavourites(c.count);
    auto form = OpenSmall();
    const testkit::WhenModalShown favourites([&](QDialog& dialog) {
      EXPECT_EQ(dialog.windowTitle(), "お気に入り");
      EXPECT_EQ(dialog.size(), QSize(6 * 85 + 214, 6 * 65 + 10));
      EXPECT_EQ(CellPixel(dialog, 35), qRgb(0, 0, 0)) << "a favourite whose photo is gone";
      EXPECT_FALSE(Cell(dialog, 36)->isVisible());
      Press(Qt::Key_W);
      Press(Qt::Key_A, Qt::ControlModifier);
      EXPECT_EQ(Selected(*form), Names(c.lastPageFirst, c.count));
      EXPECT_EQ(CellPixel(dialog, 35), qRgb(128, 128, 128));
      // Ctrl+A again unselects; paging clears whatever was selected.
      Press(Qt::Key_A, Qt::ControlModifier);
      EXPECT_TRUE(Selected(*form).isEmpty());
      Press(Qt::Key_A, Qt::ControlModifier);
      Press(Qt::Key_Q);
      EXPECT_TRUE(Selected(*form).isEmpty());
      Press(Qt::Key_A, Qt::ControlModifier);
      EXPECT_EQ(Selected(*form), Names(1, 35));
      Press(Qt::Key_B, Qt::ControlModifier);
      EXPECT_FALSE(dialog.isVisible());
    });
    QTest::keyClick(form.get(), Qt::Key_B, Qt::ControlModifier);
  }
}

TEST_F(OkiniFormTest, TheRightButtonSelectsAFavouriteAndOnAnEmptyCellOpensTheMenu) {
  WriteFavourites(2);
  auto form = OpenSmall();
  const testkit::WhenModalShown favourites([&](QDialog& dialog) {
    QTest::mouseClick(Cell(dialog, 2), Qt::RightButton);
    EXPECT_EQ(Selected(*form), Names(2, 2));
    EXPECT_TRUE(dialog.findChild<QWidget*>("OkiniFrame2")->isVisible());
    QString opened;
    QTimer::singleShot(50, [&] {
      QWidget* popup = QApplication::activePopupWidget();
      if (popup) opened = popup->objectName();
      if (popup) popup->close();
    });
    QTest::mouseClick(Cell(dialog, 3), Qt::RightButton);
    EXPECT_EQ(opened, "OkiniPop");
    EXPECT_EQ(Selected(*form), Names(2, 2));
    // Del asks, and the yes removes the selected favourite only.
    dialogs.Answer(1);
    Press(Qt::Key_Delete);
    EXPECT_EQ(dialogs.LastText(), "選択した写真「F02.jpg」\nをお気に入りから外します。");
    Press(Qt::Key_Escape);
  });
  QTest::mouseClick(form->findChild<QPushButton*>("OkiniBtn"), Qt::LeftButton);
  EXPECT_EQ(Keys(), QStringList{"F01.jpg"});
  EXPECT_EQ(Paths(), QStringList{tree.Path("gone") + "/F01.jpg"});
}

TEST_F(OkiniFormTest, AFavouriteDraggedOntoTheTreeMovesOnlyToAnotherFolder) {
  WriteFolders({"旅行"});
  WriteFavourites(1);
  auto form = OpenSmall();
  const testkit::WhenModalShown favourites([&](QDialog& dialog) {
    auto* view = dialog.findChild<QTreeWidget*>("OFolderTree");
    QWidget* cell = Cell(dialog, 1);
    auto dropOn = [&](const QString& text) {
      QTreeWidgetItem* item = FindNode(*view, text);
      const QPoint over = view->viewport()->mapToGlobal(view->visualItemRect(item).center());
      QTest::mousePress(cell, Qt::LeftButton, {}, QPoint(10, 10));
      QTest::mouseRelease(cell, Qt::LeftButton, {}, cell->mapFromGlobal(over));
    };
    dropOn("お気に入り");
    EXPECT_EQ(dialogs.LastText(), "移動元と移動先のフォルダが同じです。");
    dropOn("旅行");
    EXPECT_EQ(form->Model().Favourites().Folder().Count, 0);
    Press(Qt::Key_Escape);
  });
  QTest::keyClick(form.get(), Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(Keys(), QStringList{"旅行\\F01.jpg"});
}

TEST_F(OkiniFormTest, ClickingAFavouriteShowsItsPhotoOrSaysThatItIsGone) {
  Photo("P1.jpg", 1);
  WriteFavourites(1);
  tree.File("program/Okini.dat", "F01.jpg\r\n海\r\n");
  tree.File("program/Okini2.dat",
            (tree.Path("gone") + "/F01.jpg\r\n" + Pictures("P1.jpg") + "\r\n").toUtf8());
  auto form = OpenSmall();
  const testkit::WhenModalShown favourites([&](QDialog& dialog) {
    QTest::mouseClick(Cell(dialog, 1), Qt::LeftButton);
    EXPECT_EQ(dialogs.LastText(), "クリックした写真のファイル\n「F01.jpg」\nが見つかりません。");
    // The hover label names the favourite under the pointer, without its extension.
    const QPointF onCell(40, 30);
    QMouseEvent move(QEvent::MouseMove, onCell, Cell(dialog, 2)->mapToGlobal(onCell), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Cell(dialog, 2), &move);
    auto* label = dialog.findChild<QLabel*>("ONameImg");
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), "海");
    QTest::mouseClick(Cell(dialog, 2), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
  });
  QTest::keyClick(form.get(), Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(ShownName(*form), "P1.jpg");
}

}  // namespace
}  // namespace kasumori::ui
