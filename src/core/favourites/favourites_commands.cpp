// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_commands.h"

namespace kasumori::favourites {

std::optional<FavouritesRequest> RequestOf(commands::Command command) {
  using commands::Command;
  switch (command) {
    case Command::StripBack8:
      return PageMove::PageBack;
    case Command::StripForward8:
      return PageMove::PageForward;
    case Command::StripBack1:
      return PageMove::RowBack;
    case Command::StripForward1:
      return PageMove::RowForward;
    case Command::StripStart:
      return PageMove::FirstPage;
    case Command::StripEnd:
      return PageMove::LastPage;
    case Command::SelectPage:
      return SelectPageToggle{};
    case Command::PreviousFolder:
      return FolderWalk::Previous;
    case Command::NextFolder:
      return FolderWalk::Next;
    case Command::CloseWindow:
      return CloseFavourites{};
    case Command::DeletePhoto:
      return SelectionOperation::Remove;
    case Command::RenamePhoto:
      return SelectionOperation::Rename;
    case Command::RenewThumbnail:
      return SelectionOperation::RenewThumbnails;
    case Command::NextPhoto:
    case Command::PreviousPhoto:
    case Command::WideMode:
    case Command::OpenWideThumbs:
    case Command::RotateLeft:
    case Command::RotateRight:
    case Command::StepEffect:
    case Command::RenewAllThumbnails:
    case Command::ClearAllEdits:
    case Command::NormalDisplay:
    case Command::AddFavourite:
    case Command::FavouritesWindow:
    case Command::KeyboardHelp:
    case Command::SaveDisplayed:
    case Command::Slideshow:
    case Command::FullScreen:
    case Command::SwapQualityMode:
    case Command::QualityMode:
    case Command::Effect:
    case Command::HistogramMode:
    case Command::Sharpness:
    case Command::ExplainSharpness:
    case Command::SortOrder:
    case Command::ListDirection:
    case Command::WindowSize:
    case Command::Panorama:
    case Command::CustomSize:
    case Command::About:
    case Command::TransferSettings:
    case Command::TransferFromCamera:
    case Command::TransferToCamera:
    case Command::SortIntoDateFolders:
    case Command::SusiePlugins:
    case Command::OpenWithApp:
    case Command::SetUpApps:
    case Command::OpenInNewWindow:
    case Command::OpenInBrowser:
    case Command::HelpText:
    case Command::OpenManual:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace kasumori::favourites
