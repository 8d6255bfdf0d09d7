// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/camera_rotation.h"

#include "support/camera_jpeg.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace kasumori::thumbs {
namespace {

TEST(CameraRotation, EachOrientationTakesTheNearestTurn) {
  // Mirrored values turn like their unmirrored neighbour that leaves the picture upright.
  const std::pair<int, int> cases[] = {{1, 0},  {2, 0},  {3, 2}, {4, 2}, {5, 1},  {6, 1},
                                       {7, -1}, {8, -1}, {0, 0}, {9, 0}, {-6, 0}, {0x106, 0}};
  for (auto [orientation, rotation] : cases) {
    EXPECT_EQ(RotationOfOrientation(orientation), rotation) << orientation;
  }
}

TEST(CameraRotation, ReadFromThePhotoButNeverForARecord) {
  testkit::TempTree tree;
  testkit::CameraShot shot;
  shot.orientation = 8;
  const QByteArray jpeg = testkit::EncodeJpeg(testkit::MakeTestPicture(32, 24, 1),
                                              testkit::BuildExifPayload(testkit::CameraExif(shot)));
  EXPECT_EQ(CameraRotation(tree.File("IMG_0001.JPG", jpeg)), -1);
  // A record keeps its own rotation, whatever its bytes hold.
  EXPECT_EQ(CameraRotation(tree.File("IMG_0001_JPG.ksm", jpeg)), 0);
  EXPECT_EQ(CameraRotation(tree.Path("gone.jpg")), 0);
}

}  // namespace
}  // namespace kasumori::thumbs
