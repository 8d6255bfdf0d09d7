// SPDX-License-Identifier: GPL-3.0-or-later
// A whole show on a clock that moves only when the test says: the waits, the skip and stop
// keys, the end of the list and of the folder tree, and what the screen shows meanwhile.
#include <gtest/gtest.h>

#include "pixels/dib_views.h"
#include "slideshow/slideshow_run.h"
#include "support/manual_clock.h"
#include "support/test_picture.h"

#include <qnamespace.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kasumori::slideshow {
namespace {

// Folders of photo counts walked in order, the first being the slot's root. A photo is named
// by its folder and number; the photo composed last is the "displayed" one, as in the viewer.
class FakePhotos final : public SlideshowPhotos {
 public:
  using Photo = std::pair<int, int>;
  explicit FakePhotos(std::vector<int> folders) : folders_(std::move(folders)) {}

  bool NeedsFirstPhoto() const override { return Count() > 0 && displayed != Current(); }
  bool AtEnd() const override { return Count() == 0 || position == Count(); }
  bool AtStart() const override { return position == (Count() > 0 ? 1 : 0); }
  void StepOn() override {
    Step(+1);
    if (onStep) onStep();
  }
  void StepBack() override { Step(-1); }
  void ShowCurrent() override { Show(); }
  void ToFirst() override { position = Count() > 0 ? 1 : 0; }
  void ToLast() override { position = Count(); }
  bool SlotSelected() const override { return true; }
  void NextFolder() override { Select((folder + 1) % Folders()); }
  void PreviousFolder() override { Select((folder + Folders() - 1) % Folders()); }
  bool AtSlotRoot() const override { return folder == 0; }
  bool HasPhotos() const override { return Count() > 0; }

  Photo Current() const { return {folder, position}; }
  int Count() const { return folders_[std::size_t(folder)]; }
  int Folders() const { return int(folders_.size()); }

  int folder = 0;
  int position = 1;
  Photo displayed{-1, 0};
  std::vector<Photo> composed;  // into the slide buffer while the show is active
  std::vector<Photo> drawn;     // on screen, drawn normally
  const bool* active = nullptr;
  std::function<void()> onStep;  // input that arrives while a photo is composed

 private:
  void Step(int by) {
    if (displayed == Current() && position + by >= 1 && position + by <= Count()) position += by;
    Show();
  }
  void Show() {
    displayed = Current();
    (*active ? composed : drawn).push_back(displayed);
  }
  void Select(int f) {
    folder = f;
    position = Count() > 0 ? 1 : 0;
  }
  std::vector<int> folders_;
};

class SlideshowRunTest : public ::testing::Test {
 protected:
  void Make(std::vector<int> folders, int position) {
    photos = std::make_unique<FakePhotos>(std::move(folders));
    photos->active = &active;
    photos->position = position;
    photos->displayed = photos->Current();
    run = std::make_unique<SlideshowRun>(
        SlideshowDeps{clock.NewTimer(), clock.NewTimer(), *photos, random, active},
        SlideshowHooks{.screen = [this] { return screen.View(); },
                       .repaint = [this] { repaints.push_back(screen.At(0, 0).g); },
                       .stopShown = [this] { log += "stop "; },
                       .finished = [this] { log += "finished"; }});
  }
  void Start(SlideshowOptions options = {}) {
    options.width = screen.Width();
    options.height = screen.Height();
    run->Start(options);
  }

  testkit::ManualClock clock;
  SystemRandom random;
  bool active = false;
  testkit::TestPicture screen{4, 3};
  std::unique_ptr<FakePhotos> photos;
  std::unique_ptr<SlideshowRun> run;
  std::vector<int> repaints;
  std::string log;
};

using Photos = std::vector<FakePhotos::Photo>;

TEST_F(SlideshowRunTest, StartingOnTheLastPhotoWithoutRepeatOrNextFolderEndsAtOnce) {
  Make({3}, 3);
  Start();
  EXPECT_FALSE(run->Running());
  EXPECT_FALSE(active);
  EXPECT_TRUE(photos->composed.empty());
  EXPECT_EQ(log, "finished");
}

TEST_F(SlideshowRunTest, RepeatCyclesThroughThreePhotosUntilStopped) {
  Make({3}, 1);
  Start({.intervalSeconds = 1, .repeat = true});
  clock.Advance(5000);  // the first second, then five intervals of one
  EXPECT_EQ(photos->composed, (Photos{{0, 2}, {0, 3}, {0, 1}, {0, 2}, {0, 3}, {0, 1}}));
  EXPECT_TRUE(run->Running());
  EXPECT_TRUE(active);
}

TEST_F(SlideshowRunTest, NextPhotoKeysEndTheWaitAndOtherKeysStop) {
  const std::tuple<int, bool, bool> cases[] = {
      {Qt::Key_Right, false, true}, {Qt::Key_X, false, true},      {Qt::Key_Up, false, true},
      {Qt::Key_Left, true, true},   {Qt::Key_Z, true, true},       {Qt::Key_Up, true, true},
      {Qt::Key_Left, false, false}, {Qt::Key_Z, false, false},     {Qt::Key_Right, true, false},
      {Qt::Key_Down, false, false}, {Qt::Key_Escape, true, false}, {Qt::Key_Space, false, false},
  };
  for (const auto& [key, rightToLeft, skips] : cases) {
    Make({5}, 1);
    Start({.intervalSeconds = 60, .rightToLeft = rightToLeft});
    clock.Advance(1000);  // photo 2 on screen, 3 in the slide buffer
    run->KeyPressed(key);
    EXPECT_EQ(run->Running(), skips) << key;
    EXPECT_EQ(photos->composed.back(), (skips ? FakePhotos::Photo{0, 4} : FakePhotos::Photo{0, 3}))
        << key;
  }
}

TEST_F(SlideshowRunTest, AStopWhileAPhotoIsComposedEndsTheShowWithoutWaiting) {
  Make({5}, 1);
  photos->onStep = [this] { run->RequestStop(); };
  Start({.intervalSeconds = 60});
  EXPECT_FALSE(run->Running());
  EXPECT_EQ(log, "stop finished");
  EXPECT_EQ(photos->Current(), (FakePhotos::Photo{0, 1})) << "the photo on screen stays current";
}

TEST_F(SlideshowRunTest, StopDuringAWaitLeavesThePhotoOnScreenCurrent) {
  Make({5}, 1);
  Start({.intervalSeconds = 60});
  clock.Advance(1000);
  run->KeyPressed(Qt::Key_Down);
  EXPECT_EQ(photos->Current(), (FakePhotos::Photo{0, 2}));
  EXPECT_EQ(photos->drawn, (Photos{{0, 2}}));
  EXPECT_FALSE(active);
  EXPECT_EQ(log, "stop finished");
}

TEST_F(SlideshowRunTest, StopJustAfterAWrapUndoesIt) {
  Make({2, 0, 3}, 2);
  photos->folder = 2;
  photos->displayed = photos->Current();
  Start({.intervalSeconds = 60, .repeat = true, .nextFolder = true});
  clock.Advance(1000);  // photo 3 on screen; the root's first photo in the slide buffer
  EXPECT_EQ(photos->composed, (Photos{{2, 3}, {0, 1}}));
  run->RequestStop();
  EXPECT_EQ(photos->Current(), (FakePhotos::Photo{2, 3}));
  EXPECT_EQ(photos->drawn, (Photos{{2, 3}}));
}

TEST_F(SlideshowRunTest, NextFolderSkipsEmptyFoldersAndEndsBackAtTheRoot) {
  Make({2, 1, 0, 1}, 1);
  Start({.intervalSeconds = 1, .nextFolder = true});
  clock.Advance(3000);
  EXPECT_EQ(photos->composed, (Photos{{0, 2}, {1, 1}, {3, 1}}));
  EXPECT_TRUE(run->Running());  // the last photo has its interval
  clock.Advance(1000);
  EXPECT_FALSE(run->Running());
  EXPECT_EQ(photos->folder, 0);
  EXPECT_EQ(log, "finished");
}

TEST_F(SlideshowRunTest, RepeatOverATreeWithoutPhotosEnds) {
  Make({0, 0, 0}, 0);
  Start({.repeat = true, .nextFolder = true});
  EXPECT_FALSE(run->Running());
  EXPECT_EQ(photos->folder, 0);
}

TEST_F(SlideshowRunTest, FadeOutPhaseInEightStepsThenInAndAStopShowsTheNewPicture) {
  Make({3}, 1);
  screen.Fill({200, 200, 200});
  Start({.intervalSeconds = 1,
         .transition = {.kind = TransitionKind::Fade,
                        .fadeMode = FadeMode::OutThenIn,
                        .fadeSteps = FadeSteps(0)}});
  testkit::TestPicture next(4, 3);
  next.Fill({100, 100, 100});
  pixels::CopyPixels(next.View(), pixels::ViewOf(run->SlideBuffer()));
  for (int ms = 0; ms < 2000 && repaints.size() < 8; ++ms) clock.Advance(1);
  EXPECT_EQ(repaints, (std::vector<int>{168, 136, 104, 72, 40, 8, 0, 0}));
  run->RequestStop();
  EXPECT_TRUE(run->InTransition());  // the stop is taken between two steps
  clock.Advance(1);
  EXPECT_FALSE(run->Running());
  EXPECT_TRUE(screen.SamePixels(next));
  EXPECT_EQ(photos->Current(), (FakePhotos::Photo{0, 2}));
}

TEST(CustomIntervalTest, WholeSecondsFromOneTo99999) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"1", 1},
      {"99999", 99999},
      {"007", 7},
      {"0", std::nullopt},
      {"100000", std::nullopt},
      {"2.5", std::nullopt},
      {"", std::nullopt},
      {"-5", std::nullopt},
      {" 5", std::nullopt},
      {"1e3", std::nullopt},
  };
  for (const auto& [text, seconds] : cases) EXPECT_EQ(ParseCustomInterval(text), seconds) << text;
}

TEST(SlideOptionsTest, SettingsOutsideTheListsGiveTheStandardChoice) {
  EXPECT_EQ(TransitionFromSetting(7), TransitionKind::None);
  EXPECT_EQ(PageBandWidth(-1), 2);
  EXPECT_EQ(FadeSteps(5), 32);
  EXPECT_EQ(StarSandFrames(9), 100);
  EXPECT_EQ(IntervalSeconds(0, 42), 42);
  EXPECT_EQ(IntervalSeconds(30, 42), 30);
}

}  // namespace
}  // namespace kasumori::slideshow
