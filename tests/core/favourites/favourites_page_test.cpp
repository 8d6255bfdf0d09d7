// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_page.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

namespace kasumori::favourites {
namespace {

constexpr FavouritesGrid k6x6{6, 6};  // 35 cells
constexpr FavouritesGrid k8x10{8, 10};

// A loaded folder of `count` favourites named p1.jpg, p2.jpg, ... in display order.
std::unique_ptr<LoadedFolder> FolderOf(int count) {
  auto folder = std::make_unique<LoadedFolder>();
  for (int k = 1; k <= count; ++k) {
    folder->Append(QStringLiteral("p%1.jpg").arg(k), QStringLiteral("/photos/p%1.jpg").arg(k));
  }
  return folder;
}

std::vector<int> SelectedEntries(const LoadedFolder& folder) {
  std::vector<int> selected;
  for (int k = 1; k <= folder.Count; ++k) {
    if (folder.Entry(k)->Selected) selected.push_back(k);
  }
  return selected;
}

std::vector<int> Range(int from, int to) {
  std::vector<int> numbers;
  for (int k = from; k <= to; ++k) numbers.push_back(k);
  return numbers;
}

TEST(FavouritesPage, MovesStopWhereTheLastPageKeepsItsLastCellEmpty) {
  using M = PageMove;
  using P = PageChange;
  struct Case {
    const char* what;
    FavouritesGrid grid;
    int count;
    std::vector<PageMove> moves;
    int first;          // the first shown entry after the moves
    PageChange change;  // what the last move asks to draw
  };
  const Case cases[] = {
      {"36 on 35 cells: the last page starts at 3", k6x6, 36, {M::LastPage}, 3, P::CellsForward},
      {"a page on stops there too", k6x6, 36, {M::PageForward}, 3, P::CellsForward},
      {"a row on stops there too", k6x6, 36, {M::RowForward}, 3, P::CellsForward},
      {"nothing beyond the last page", k6x6, 36, {M::LastPage, M::PageForward}, 3, P::None},
      {"the last page again", k6x6, 36, {M::LastPage, M::LastPage}, 3, P::None},
      {"a row back from 3", k6x6, 36, {M::LastPage, M::RowBack}, 1, P::CellsBackward},
      {"a page back from 3", k6x6, 36, {M::LastPage, M::PageBack}, 1, P::CellsBackward},
      {"back to the first page", k6x6, 36, {M::LastPage, M::FirstPage}, 1, P::CellsBackward},
      {"nothing before the first entry", k6x6, 36, {M::PageBack}, 1, P::None},
      {"already on the first page", k6x6, 36, {M::FirstPage}, 1, P::None},
      {"35 on 35 cells: the last page shows 2 to 35", k6x6, 35, {M::LastPage}, 2, P::CellsForward},
      {"34 fit with the last cell empty", k6x6, 34, {M::LastPage}, 1, P::None},
      {"a single favourite never moves", k6x6, 1, {M::PageForward}, 1, P::None},
      {"an empty folder never moves", k6x6, 0, {M::LastPage}, 1, P::None},
      {"300 pages by 35", k6x6, 300, {M::PageForward, M::PageForward}, 71, P::CellsForward},
      {"300 by rows of 8", k8x10, 300, {M::RowForward, M::RowForward}, 17, P::CellsForward},
      {"300: the last page starts at 267", k6x6, 300, {M::LastPage}, 267, P::CellsForward},
      {"300 on 79 cells", k8x10, 300, {M::LastPage}, 223, P::CellsForward},
      {"a page back stops at 1",
       k8x10,
       300,
       {M::RowForward, M::RowForward, M::PageBack},
       1,
       P::CellsBackward},
  };
  for (const Case& c : cases) {
    auto folder = FolderOf(c.count);
    FavouritesPage page(c.grid);
    PageChange change = PageChange::None;
    for (PageMove move : c.moves) change = page.Move(move, *folder);
    EXPECT_EQ(page.FirstShown(), c.first) << c.what;
    EXPECT_EQ(change, c.change) << c.what;
  }
}

TEST(FavouritesPage, CellsShowTheirEntryUpToTheCount) {
  struct Case {
    int count;
    int cell;
    int entry;  // 0: the cell stays empty
  };
  // On the last page of each folder (first shown entry count − 33).
  const Case cases[] = {
      {36, 1, 3},  {36, 34, 36},   {36, 35, 0},  {35, 1, 2},  {35, 34, 35},
      {35, 35, 0}, {300, 34, 300}, {300, 35, 0}, {300, 0, 0}, {300, 36, 0},
  };
  for (const Case& c : cases) {
    auto folder = FolderOf(c.count);
    FavouritesPage page(k6x6);
    page.Move(PageMove::LastPage, *folder);
    const FavouriteEntry* entry = page.EntryInCell(*folder, c.cell);
    if (c.entry == 0) {
      EXPECT_EQ(entry, nullptr) << c.count << " cell " << c.cell;
    } else {
      EXPECT_EQ(entry, folder->Entry(c.entry)) << c.count << " cell " << c.cell;
    }
  }
}

TEST(FavouritesPage, EveryMoveClearsTheWholeSelection) {
  auto folder = FolderOf(36);
  FavouritesPage page(k6x6);
  folder->Entry(36)->Selected = true;  // off the page
  // The move cannot go back, yet the frames still go.
  EXPECT_EQ(page.Move(PageMove::PageBack, *folder), PageChange::Frames);
  EXPECT_TRUE(SelectedEntries(*folder).empty());

  folder->Entry(1)->Selected = true;
  EXPECT_EQ(page.Move(PageMove::PageForward, *folder), PageChange::CellsForward);
  EXPECT_TRUE(SelectedEntries(*folder).empty());
}

TEST(FavouritesPage, CtrlASelectsThePageOnly) {
  struct Case {
    const char* what;
    int count;
    bool lastPage;
    std::vector<int> before;
    std::vector<int> after;
    PageChange change;
  };
  const Case cases[] = {
      {"nothing selected: the page", 36, false, {}, Range(1, 35), PageChange::Frames},
      {"one off the page stays", 36, false, {36}, Range(1, 36), PageChange::Frames},
      {"some on the page: all of it", 36, false, {2, 9}, Range(1, 35), PageChange::Frames},
      {"all of the page: none of it", 36, false, Range(1, 35), {}, PageChange::Frames},
      {"on the last page", 36, true, {}, Range(3, 36), PageChange::Frames},
      {"one short page", 3, false, Range(1, 3), {}, PageChange::Frames},
      {"an empty folder", 0, false, {}, {}, PageChange::None},
  };
  for (const Case& c : cases) {
    auto folder = FolderOf(c.count);
    FavouritesPage page(k6x6);
    if (c.lastPage) page.Move(PageMove::LastPage, *folder);
    for (int k : c.before) folder->Entry(k)->Selected = true;
    EXPECT_EQ(page.ToggleSelectPage(*folder), c.change) << c.what;
    EXPECT_EQ(SelectedEntries(*folder), c.after) << c.what;
  }
}

TEST(FavouritesPage, MenuSelectionNeverTogglesAndClearsEverything) {
  auto folder = FolderOf(36);
  FavouritesPage page(k6x6);
  EXPECT_EQ(page.SelectPage(*folder), PageChange::Frames);
  EXPECT_EQ(page.SelectPage(*folder), PageChange::None);
  EXPECT_EQ(SelectedEntries(*folder), Range(1, 35));

  folder->Entry(36)->Selected = true;
  EXPECT_EQ(FavouritesPage::ClearSelection(*folder), PageChange::Frames);
  EXPECT_TRUE(SelectedEntries(*folder).empty());
  EXPECT_EQ(FavouritesPage::ClearSelection(*folder), PageChange::None);
}

TEST(FavouritesPage, RightButtonTogglesOnlyCellsWithAnEntry) {
  auto folder = FolderOf(35);
  FavouritesPage page(k6x6);
  page.Move(PageMove::LastPage, *folder);  // entries 2..35 in cells 1..34
  EXPECT_EQ(page.ToggleCell(*folder, 35), PageChange::None);
  EXPECT_EQ(page.ToggleCell(*folder, 34), PageChange::Frames);
  EXPECT_EQ(page.ToggleCell(*folder, 1), PageChange::Frames);
  EXPECT_EQ(SelectedEntries(*folder), (std::vector<int>{2, 35}));
  EXPECT_EQ(page.ToggleCell(*folder, 1), PageChange::Frames);
  EXPECT_EQ(SelectedEntries(*folder), std::vector<int>{35});
}

TEST(FavouritesPage, OperationsSeeTheSelectionOnThePageOnly) {
  auto folder = FolderOf(36);
  FavouritesPage page(k6x6);
  for (int k : {1, 35, 36}) folder->Entry(k)->Selected = true;
  EXPECT_EQ(page.SelectedOnPage(*folder), (std::vector<int>{1, 35}));
}

TEST(FavouritesPage, HighlightSelectsTheNamedEntryAndShowsIt) {
  struct Case {
    const char* what;
    int count;
    QString key;
    std::optional<int> entry;
    int first;
  };
  const Case cases[] = {
      {"no key", 36, "", std::nullopt, 1},
      {"on the first page", 36, "Travel\\p35.jpg", 35, 1},
      {"just beyond it: in the last cell", 36, "Travel\\p36.jpg", 36, 2},
      {"the root's key is the name", 300, "p300.jpg", 300, 266},
      {"only the name counts", 36, "Elsewhere\\p7.jpg", 7, 1},
      {"no such name", 36, "Travel\\p37.jpg", std::nullopt, 1},
      {"names compare exactly", 36, "Travel\\P7.jpg", std::nullopt, 1},
  };
  for (const Case& c : cases) {
    auto folder = FolderOf(c.count);
    FavouritesPage page(k6x6);
    EXPECT_EQ(page.Highlight(*folder, c.key), c.entry) << c.what;
    EXPECT_EQ(page.FirstShown(), c.first) << c.what;
    EXPECT_EQ(SelectedEntries(*folder), c.entry ? std::vector<int>{*c.entry} : std::vector<int>{})
        << c.what;
  }
}

}  // namespace
}  // namespace kasumori::favourites
