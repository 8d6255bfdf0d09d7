// SPDX-License-Identifier: GPL-3.0-or-later
// The user's commands: what a key, a menu entry or a pop-up entry asks the program to do.
// Windows bind their inputs to these and route them; what each command does lives with the
// subsystem that owns it.
#pragma once

#include <cstdint>

namespace kasumori::commands {

// The favourites window pages its cells with the strip steps (a row where the strip steps one
// photo), and its delete, rename and renew act on the selected favourites of the page.
enum class Command : std::uint8_t {
  NextPhoto,           // with Shift: one photo, also in panorama
  PreviousPhoto,       // with Shift: one photo
  WideMode,            // fill or fit the display area
  StripBack8,          // the strip a page back
  StripForward8,       // the strip a page on
  StripBack1,          // the strip one photo back
  StripForward1,       // the strip one photo on
  StripStart,          // the strip to the first photo
  StripEnd,            // the strip to the last page
  PreviousFolder,      // depth first through the slot's tree
  NextFolder,          // depth first through the slot's tree
  OpenWideThumbs,      // the wide thumbnail window below the strip
  CloseWindow,         // the window the key was pressed in
  RotateLeft,          // the shown photo a quarter turn anticlockwise
  RotateRight,         // the shown photo a quarter turn clockwise
  StepEffect,          // normal → chrome → sepia → normal; black and white → normal
  DeletePhoto,         // the shown photo to the trash
  RenamePhoto,         // the shown photo's name
  RenewThumbnail,      // the shown photo's cached thumbnail made again
  RenewAllThumbnails,  // every cached thumbnail of the listed folder made again
  ClearAllEdits,       // the shown photo's quality and turn back to the settings
  NormalDisplay,       // out of zoom or panorama
  AddFavourite,        // the shown photo into the favourites
  FavouritesWindow,    // the favourites window
  KeyboardHelp,        // the keyboard help text
  SaveDisplayed,       // the photo as displayed into a new file
  Slideshow,           // a slideshow of the list
  FullScreen,          // the shown photo over the whole screen
  SelectPage,          // every favourite on the page selected, or none when all were
  SwapQualityMode,     // high quality ↔ fast
  // Menu entries that choose a setting; the entry's argument is the setting's number.
  QualityMode,       // high quality (0) or fast (1)
  Effect,            // normal (0), chrome, sepia, black and white (3)
  HistogramMode,     // on click (0) or automatic (1)
  Sharpness,         // the strength, 0 for none
  ExplainSharpness,  // what the strengths mean
  SortOrder,         // by name (1), file date (2) or Exif date (3)
  ListDirection,     // from the left (1) or from the right (-1)
  WindowSize,        // a standard window size mode (1, 2, 3, 8)
  Panorama,          // one photo (0), two (1), two reversed (2) or four (3) side by side
  CustomSize,        // the custom display size dialog
  About,             // the program's version
  // Camera transfer and date sorting; a transfer item's argument is its camera slot 1..3.
  TransferSettings,     // the camera slots' names and folders
  TransferFromCamera,   // the camera's photos into the selected folder
  TransferToCamera,     // the selected folder's photos onto the camera
  SortIntoDateFolders,  // the current folder's photos into one folder per file date
  SusiePlugins,         // the window listing the loaded plug-ins
  // Handing the shown photo on, and the help; an application's argument is its slot 1..3, a
  // help text's its number 1..4 (keyboard help is 2).
  OpenWithApp,      // the shown photo in a registered application
  SetUpApps,        // the window registering the three applications
  OpenInNewWindow,  // the shown photo in a second window of this program
  OpenInBrowser,    // the shown photo in the program the desktop associates with it
  HelpText,         // one of the help texts in the help window
  OpenManual,       // the manual in the web browser
};

}  // namespace kasumori::commands
