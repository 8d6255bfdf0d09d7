// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/library/photo_drag.h"

#include "support/camera_jpeg.h"
#include "support/main_form_fixture.h"
#include "ui/display/main_display.h"
#include "ui/library/folder_panel_view.h"
#include "ui/shell/main_form.h"
#include "ui/shell/main_panels.h"
#include "ui/common/view_image.h"
#include "ui/thumbs/thumb_strip.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTreeWidget>

namespace kasumori::ui {
namespace {

class PhotoDragTest : public testkit::MainFormFixture<TMainForm, MainFormServices> {
 protected:
  void SetUp() override {
    tree.Folder("home/Pictures/Keep");
    for (const char* name : {"P1.jpg", "P2.jpg"}) {
      QImage picture(64, 48, QImage::Format_RGB888);
      picture.fill(Qt::darkGreen);
      tree.File(QStringLiteral("home/Pictures/") + name, testkit::EncodeJpeg(picture, {}, {90}));
    }
  }

  // Presses on the widget and moves past the drag distance with real mouse events. The
  // offscreen platform ends a drag at once, before Qt deletes the drag object, so what the
  // drag offered to other programs can still be read from it.
  static QStringList OfferedFormats(QWidget* source) {
    const QPoint from(40, 30);
    const QPoint to = from + QPoint(QApplication::startDragDistance() + 10, 0);
    QTest::mousePress(source, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), source->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(source, &move);
    const auto drags = source->findChildren<QDrag*>();
    if (drags.isEmpty()) return {QStringLiteral("no drag started")};
    return drags.last()->mimeData()->formats();
  }
};

// Offered as a file, a drop on a file manager, the desktop or a trash icon would move or
// delete the photo and strand its edit records and thumbnails: no other program may take it.
TEST_F(PhotoDragTest, StripAndViewDragsOfferThePhotoToNoOtherProgram) {
  auto form = Start();
  const QStringList ownOnly{QString::fromLatin1(kPhotoDragFormat)};
  EXPECT_EQ(OfferedFormats(form->Strip().Cell(4)), ownOnly) << "a strip thumbnail";
  QTest::keyClick(form.get(), Qt::Key_X);
  ASSERT_TRUE(form->Display().Driver().Shown().Shown());
  EXPECT_EQ(OfferedFormats(form->View()), ownOnly) << "the photo view";
  // The drags ended outside the tree: nothing moved.
  EXPECT_TRUE(tree.Exists("home/Pictures/P1.jpg"));
  EXPECT_TRUE(tree.Exists("home/Pictures/P2.jpg"));
  EXPECT_FALSE(tree.Exists("home/Pictures/Keep/P1.jpg"));
}

TEST_F(PhotoDragTest, TheDragDataNamesThePhotoOnlyInTheProgramsOwnFormat) {
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(tree.Path("home/Pictures/P1.jpg"))});
  EXPECT_EQ(DraggedPhotoPath(files), std::nullopt) << "a file from another program";
  QMimeData empty;
  empty.setData(kPhotoDragFormat, QByteArray());
  EXPECT_EQ(DraggedPhotoPath(empty), std::nullopt);
  QMimeData own;
  own.setData(kPhotoDragFormat, QStringLiteral("/写真/P1.jpg").toUtf8());
  EXPECT_EQ(DraggedPhotoPath(own), QStringLiteral("/写真/P1.jpg"));
}

}  // namespace
}  // namespace kasumori::ui
