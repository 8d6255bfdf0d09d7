// SPDX-License-Identifier: GPL-3.0-or-later
// Photos decoded ahead while X is held: every step shows the photo it names, never the one
// before or a spare decoded for another.
#include "ui/display/main_display.h"

#include "ui/display/show_photo_fixture.h"

#include <QFile>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace kasumori::ui {
namespace {

QColor ColourOf(int i) { return QColor::fromHsv(i * 12, 220, 200); }

// The photo whose hue a shown pixel is nearest to: the picture-quality stage moves the
// colours a little, never from one photo's hue to another's.
int NearestPhoto(QColor shown) {
  int nearest = 0, best = INT_MAX;
  for (int i = 1; i <= 30; ++i) {
    const int d = std::abs(ColourOf(i).hue() - shown.hue());
    if (std::min(d, 360 - d) < best) best = std::min(d, 360 - d), nearest = i;
  }
  return nearest;
}

TEST_F(ShowPhotoTest, AHeldXOverThirtyPhotosShowsEachAsItIsNamed) {
  for (int i = 1; i <= 30; ++i) {
    // Landscape and portrait in turn, so spares of both shapes are reused.
    QImage picture(i % 2 ? 640 : 480, i % 2 ? 480 : 640, QImage::Format_RGB888);
    picture.fill(ColourOf(i));
    tree.File(QStringLiteral("home/Pictures/P%1.jpg").arg(i, 2, 10, QChar('0')),
              testkit::EncodeJpeg(picture, {}, {95}));
  }
  for (const char* other : {"P1.jpg", "P2.jpg", "P3.jpg"})
    QFile::remove(tree.Path(QStringLiteral("home/Pictures/") + other));
  auto form = Start();
  dialogs.Clear();
  const display::PhotoDisplay& driver = form->Display().Driver();
  for (int step = 0; step < 30; ++step) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyPress(focus ? focus : form.get(), Qt::Key_X, {}, -1);
    const QString name = driver.Shown().Name;
    ASSERT_TRUE(name.startsWith('P')) << step;
    EXPECT_EQ(NearestPhoto(ViewPixel(*form, 400, 300)), name.mid(1, 2).toInt()) << step;
  }
  EXPECT_TRUE(dialogs.Records().empty());
}

TEST_F(ShowPhotoTest, AnotherFolderForgetsThePhotosDecodedAhead) {
  tree.File("home/Pictures/sub/S1.jpg",
            testkit::EncodeJpeg(QImage(64, 48, QImage::Format_RGB888), {}));
  auto form = Start();
  dialogs.Clear();
  Key(*form, Qt::Key_X);
  imaging::PhotoDecoder& decoder = form->Display().Decoder();
  decoder.WaitDecodedAhead();
  const QString next = tree.Path("home/Pictures/P2.jpg");
  ASSERT_EQ(form->Display().Driver().Shown().Name, "P1.jpg");
  ASSERT_FALSE(decoder.DecodesRowsOf(next)) << "P2 is decoded ahead";
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus ? focus : form.get(), Qt::Key_D);
  ASSERT_EQ(form->Model().Folders().CurrentFolder, tree.Path("home/Pictures/sub"));
  EXPECT_TRUE(decoder.DecodesRowsOf(next)) << "P2 is held no longer";
}

}  // namespace
}  // namespace kasumori::ui
