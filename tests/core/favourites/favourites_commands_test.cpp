// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_commands.h"

#include <gtest/gtest.h>

namespace kasumori::favourites {
namespace {

using commands::Command;

TEST(FavouritesCommands, StripStepsPageAndPhotoCommandsActOnTheSelection) {
  struct Case {
    Command command;
    std::optional<FavouritesRequest> request;
  };
  const Case cases[] = {
      {Command::StripBack8, PageMove::PageBack},
      {Command::StripForward1, PageMove::RowForward},
      {Command::StripEnd, PageMove::LastPage},
      {Command::SelectPage, SelectPageToggle{}},
      {Command::PreviousFolder, FolderWalk::Previous},
      {Command::CloseWindow, CloseFavourites{}},
      {Command::DeletePhoto, SelectionOperation::Remove},
      {Command::RenewThumbnail, SelectionOperation::RenewThumbnails},
      {Command::NextPhoto, std::nullopt},
      {Command::RenewAllThumbnails, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RequestOf(c.command), c.request) << int(c.command);
  }
}

}  // namespace
}  // namespace kasumori::favourites
