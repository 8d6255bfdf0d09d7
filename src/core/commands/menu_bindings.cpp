// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/menu_bindings.h"

namespace kasumori::commands {

namespace {

struct MenuBinding {
  const char* entry;
  Command command;
  int argument = 0;
};

// The main menu's "編集" entries are also the photo view's pop-up "編集" entries.
const MenuBinding kMenuBindings[] = {
    {"DeleteMenu", Command::DeletePhoto},
    {"RenameMenu", Command::RenamePhoto},
    {"ThumbnailMenu", Command::RenewThumbnail},
    {"N26", Command::RenewAllThumbnails},
    {"TurnLeftMenu", Command::RotateLeft},
    {"TurnRightMenu", Command::RotateRight},
    {"WideModeMenu", Command::WideMode},
    {"AllKaijoMenu", Command::ClearAllEdits},
    {"HenshuSaveMenu", Command::SaveDisplayed},
    {"KougashitsuMenu", Command::QualityMode, 0},
    {"KousokuMenu", Command::QualityMode, 1},
    {"GNormalMenu", Command::Effect, 0},
    {"GChromaMenu", Command::Effect, 1},
    {"GSepiaMenu", Command::Effect, 2},
    {"GWhiteBlackMenu", Command::Effect, 3},
    {"HistgramHandMenu", Command::HistogramMode, 0},
    {"HistgramAutoMenu", Command::HistogramMode, 1},
    {"SPKanariMenu", Command::Sharpness, 4},
    {"SPDaibuMenu", Command::Sharpness, 6},
    {"SPTsuyomeMenu", Command::Sharpness, 8},
    {"SPYayaMenu", Command::Sharpness, 10},
    {"SPChuuMenu", Command::Sharpness, 12},
    {"SPYowameMenu", Command::Sharpness, 16},
    {"SPNashiMenu", Command::Sharpness, 0},
    {"SPSetsumeiMenu", Command::ExplainSharpness},
    {"FNameMenu", Command::SortOrder, 1},
    {"TimeMenu", Command::SortOrder, 2},
    {"ExifMenu", Command::SortOrder, 3},
    {"NarabiLeftMenu", Command::ListDirection, 1},
    {"NarabiRightMenu", Command::ListDirection, -1},
    {"Size480Menu", Command::WindowSize, 1},
    {"Size640Menu", Command::WindowSize, 2},
    {"Size800Menu", Command::WindowSize, 3},
    {"Size1024Menu", Command::WindowSize, 8},
    {"SizeNiniMenu", Command::CustomSize},
    {"NoPanoramicMenu", Command::Panorama, 0},
    {"PanoramicMenu", Command::Panorama, 1},
    {"PanoramicRLMenu", Command::Panorama, 2},
    {"Panoramic4Menu", Command::Panorama, 3},
    {"ZoomKaijoMenu", Command::NormalDisplay},
    {"VerMnu", Command::About},
    {"SusieMenu", Command::SusiePlugins},
    {"OkiniAddMenu", Command::AddFavourite},
    {"OkiniAddMenuP", Command::AddFavourite},
    {"OkiniOpenMenu", Command::FavouritesWindow},
    {"TensouDtoPCMenu1", Command::TransferFromCamera, 1},
    {"TensouDtoPCMenu2", Command::TransferFromCamera, 2},
    {"TensouDtoPCMenu3", Command::TransferFromCamera, 3},
    {"TensouPCtoDMenu1", Command::TransferToCamera, 1},
    {"TensouPCtoDMenu2", Command::TransferToCamera, 2},
    {"TensouPCtoDMenu3", Command::TransferToCamera, 3},
    {"TensouSetteiMenu", Command::TransferSettings},
    {"MakeFolderMenu", Command::SortIntoDateFolders},
    {"SlideMenu", Command::Slideshow},
    {"MSlideMenu", Command::Slideshow},
    {"FullGamenMenu", Command::FullScreen},
    {"N47", Command::FullScreen},
    {"HajimeteMenu", Command::HelpText, 1},
    {"KeybordMenu", Command::KeyboardHelp},
    {"ChuuiMenu", Command::HelpText, 3},
    {"HosokuMenu", Command::HelpText, 4},
    {"ManualMenu", Command::OpenManual},
    {"App1Menu", Command::OpenWithApp, 1},
    {"App2Menu", Command::OpenWithApp, 2},
    {"App3Menu", Command::OpenWithApp, 3},
    {"MApp1Menu", Command::OpenWithApp, 1},
    {"MApp2Menu", Command::OpenWithApp, 2},
    {"MApp3Menu", Command::OpenWithApp, 3},
    {"AppSetMenu", Command::SetUpApps},
    {"MAppSetMenu", Command::SetUpApps},
    {"NewOpenMenu", Command::OpenInNewWindow},
    {"MNewOpenMenu", Command::OpenInNewWindow},
    {"IEOpenMenu", Command::OpenInBrowser},
    {"MIEOpenMenu", Command::OpenInBrowser},
};

}  // namespace

std::optional<MenuEntryCommand> MenuCommand(const QString& entryName) {
  for (const MenuBinding& binding : kMenuBindings) {
    if (entryName == QLatin1String(binding.entry)) {
      return MenuEntryCommand{binding.command, binding.argument};
    }
  }
  return std::nullopt;
}

}  // namespace kasumori::commands
