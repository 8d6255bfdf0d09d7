// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/plugins/susie_form.h"

#include "support/encoded_pictures.h"
#include "support/main_form_fixture.h"
#include "support/modal_dialog.h"
#include "ui/display/main_display.h"
#include "ui/shell/main_form.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace kasumori::ui {
namespace {

using SusieFormTest = testkit::MainFormFixture<TMainForm, MainFormServices>;

struct Listed {
  int rows = 0;
  QStringList header, fileNames;
  int selected = -1;
};

// Opens the window from its menu entry and reads its grid.
Listed OpenFromMenu(TMainForm& form, const std::function<void(TSusieForm&)>& more = {}) {
  Listed listed;
  const testkit::WhenModalShown inWindow([&](QDialog& dialog) {
    auto& window = static_cast<TSusieForm&>(dialog);
    EXPECT_EQ(window.windowTitle(), "「Susieプラグイン」の設定");
    EXPECT_EQ(window.size(), QSize(652, 380));
    auto* grid = window.findChild<QTableWidget*>("PluginGrid");
    listed.rows = grid->rowCount();
    for (int c = 0; c < 4; ++c) listed.header << grid->horizontalHeaderItem(c)->text();
    for (int r = 0; r < grid->rowCount(); ++r) {
      if (!grid->item(r, 0)->text().isEmpty()) listed.fileNames << grid->item(r, 0)->text();
    }
    listed.selected = grid->currentRow();
    if (more) more(window);
    window.findChild<QPushButton*>("TojiruBtn")->click();
  });
  form.findChild<QAction*>("SusieMenu")->trigger();
  return listed;
}

TEST_F(SusieFormTest, ListsTheLoadedPlugInsAndBlankRows) {
  const struct {
    bool shipped;
    QStringList fileNames;
    int rows;
  } cases[] = {{false, {}, 14}, {true, {"ifheif.spi", "ifpng.spi", "ifraw.spi", "ifwebp.spi"}, 14}};
  for (const auto& c : cases) {
    for (const QString& name : QDir(program).entryList({"*.spi"}))
      QFile::remove(program + '/' + name);
    if (c.shipped) {
      for (const QString& name : QDir(KASUMORI_PLUGIN_DIR).entryList({"*.spi"})) {
        QFile::copy(QStringLiteral(KASUMORI_PLUGIN_DIR "/") + name, program + '/' + name);
      }
    }
    auto form = Start();
    const Listed listed = OpenFromMenu(*form);
    EXPECT_EQ(listed.header, QStringList({"ファイル名", "説明", "拡張子", "ファイルタイプ"}));
    EXPECT_EQ(listed.rows, c.rows);
    EXPECT_EQ(listed.fileNames, c.fileNames);
    EXPECT_EQ(listed.selected, c.rows - 1);
  }
}

// Every text line keeps its whole text inside the window, with a right margin at least as
// wide as its left one, at the window's fixed size.
TEST_F(SusieFormTest, EveryTextLineFitsInsideTheWindow) {
  const struct {
    const char* name;
    int left;
  } labels[] = {{"Label1", 11}, {"Label2", 11}, {"Label4", 11},
                {"Label3", 10}, {"Label7", 10}, {"Label6", 11}};
  auto form = Start();
  OpenFromMenu(*form, [&](TSusieForm& window) {
    for (const auto& l : labels) {
      const auto* label = window.findChild<QLabel*>(l.name);
      ASSERT_NE(label, nullptr) << l.name;
      EXPECT_EQ(label->x(), l.left) << l.name;
      EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << l.name;
      EXPECT_LE(label->x() + label->width(), window.width() - l.left) << l.name;
    }
    EXPECT_TRUE(window.findChild<QLabel*>("Label2")->text().endsWith("再起動してくだ"));
  });
}

// With the shipped plug-ins beside the program, their photos are listed and shown like JPEGs.
TEST_F(SusieFormTest, PhotosOfThePlugInsAreListedAndShown) {
  for (const char* name : {"ifpng.spi", "ifwebp.spi"}) {
    QFile::copy(QStringLiteral(KASUMORI_PLUGIN_DIR "/") + name, program + '/' + name);
  }
  tree.Folder("photos");
  ASSERT_TRUE(
      testkit::WriteEncodedPicture(tree.Path("photos/a.png"), testkit::EncodedFormat::Png, 64, 48));
  ASSERT_TRUE(testkit::WriteEncodedPicture(tree.Path("photos/b.webp"), testkit::EncodedFormat::Webp,
                                           64, 48));
  tree.File("photos/c.heic", "not listed: its plug-in is not there");
  auto form = Start(tree.Path("photos/b.webp"));
  const library::PhotoList& list = form->Model().List();
  ASSERT_EQ(list.PhotoCount, 2);
  EXPECT_EQ(form->Display().Driver().Shown().Name, "b.webp");
  EXPECT_FALSE(form->Model().LoadFailed().Get(list.CurrentIndex));
}

TEST_F(SusieFormTest, FolderButtonAsksBeforeOpeningTheProgramFolder) {
  auto form = Start();
  dialogs.Clear();  // the first run's greeting
  for (const int answer : {2, 1}) {
    dialogs.Answer(answer);
    OpenFromMenu(*form, [](TSusieForm& window) {
      window.findChild<QPushButton*>("FolderBtn")->click();
      window.findChild<QPushButton*>("HomePageBtn")->click();
    });
  }
  ASSERT_EQ(dialogs.Records().size(), 2u);
  EXPECT_EQ(dialogs.Records()[0].lines.value(0), "「Kasumori2」フォルダを開きます。");
  EXPECT_EQ(dialogs.Records()[0].lines.size(), 6);
  EXPECT_EQ(shellOpen.opened.size(), 3);
  EXPECT_EQ(shellOpen.opened.value(2), program + "/Plugin.html");
  EXPECT_EQ(shellOpen.opened.value(1), program);
}

}  // namespace
}  // namespace kasumori::ui
