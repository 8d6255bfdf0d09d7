// SPDX-License-Identifier: GPL-3.0-or-later
// The user's settings, held in memory and kept in "Kasumori2-ini.dat": 54 positional lines.
#pragma once

#include "config/modes.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace kasumori::config {

inline constexpr int kSettingsLineCount = 54;
inline constexpr char kSettingsFileName[] = "Kasumori2-ini.dat";

// One field per line of the file; the comments give the line. Fields typed std::uint8_t are
// held in one byte: a larger number in the file keeps its low eight bits.
struct Settings {
  int WindowLeft = 0;                                                        // 1
  int WindowTop = 0;                                                         // 2
  QString PhotoFolder1;                                                      // 3
  QString PhotoFolder2;                                                      // 4
  QString PhotoFolder3;                                                      // 5
  config::SortOrder SortOrder = config::SortOrder::FileName;                 // 6
  config::WindowSizeMode WindowSizeMode = config::WindowSizeMode::Size800;   // 7
  int CustomPhotoWidth = 0;                                                  // 8
  int CustomPhotoHeight = 0;                                                 // 9
  QString AppPath1;                                                          // 11
  QString AppPath2;                                                          // 12
  QString AppPath3;                                                          // 13
  std::uint8_t SaveFormat = 1;                                               // 19
  std::uint8_t SaveJpegQuality = 8;                                          // 20
  std::uint8_t SaveWithExif = 1;                                             // 21
  std::uint8_t SaveUpperCaseExt = 0;                                         // 22
  QString CameraName1;                                                       // 23
  QString CameraName2;                                                       // 24
  QString CameraName3;                                                       // 25
  QString CameraFolder1;                                                     // 26
  QString CameraFolder2;                                                     // 27
  QString CameraFolder3;                                                     // 28
  std::uint8_t TransferReadOnly = 0;                                         // 29
  std::uint8_t TransferMovies = 1;                                           // 30
  std::uint8_t TransferToDateFolders = 1;                                    // 31
  QString LastCacheCleanMonth = "000000";                                    // 32: yyyymm
  int Sharpness = 12;                                                        // 33
  config::QualityMode QualityMode = config::QualityMode::High;               // 34
  config::HistogramMode HistogramMode = config::HistogramMode::OnClick;      // 35
  int CommentsShown = 1;                                                     // 36
  int CommentStyleDefault = 1;                                               // 37
  int Reserved38 = 0;                                                        // 38: kept as read
  std::uint8_t SaveComments = 1;                                             // 39
  config::ListDirection ListDirection = config::ListDirection::LeftToRight;  // 40
  int SlideInterval = 5;                                                     // 41
  int SlideCustomInterval = 1;                                               // 42
  int SlideRepeat = 0;                                                       // 43
  int SlideNextFolder = 1;                                                   // 44
  int SlideTransition = 2;                                                   // 45
  int SlideStarSpeed = 2;                                                    // 46
  int SlidePageDirection = 0;                                                // 47
  int SlidePageSpeed = 3;                                                    // 48
  int SlideFadeMode = 0;                                                     // 49
  int SlideFadeSpeed = 2;                                                    // 50
  std::uint8_t SaveZoomWhole = 0;                                            // 51
  config::PictureEffect PictureEffect = config::PictureEffect::Chrome;       // 52
  std::uint8_t FavouritesSortKey = 1;                                        // 53
  int FavouritesSortOrder = 1;                                               // 54

  QString& PhotoFolder(int slot);
  const QString& PhotoFolder(int slot) const;
};

// Reads lines into settings that start as `defaults`. A line that is missing or does not read as
// its type keeps the default, so a short or damaged file still starts the program.
Settings ParseSettings(const QStringList& lines, const Settings& defaults);
// The 54 lines for the settings, in file order.
QStringList FormatSettings(const Settings& settings);

// The default for slot 1: the pictures folder, else the documents folder, else the desktop.
QString DefaultPhotoFolder1(const QString& pictures, const QString& documents,
                            const QString& desktop);

// Window position defaults: centred on the screen (above a 24-pixel task bar).
int DefaultWindowLeft(int screenWidth, int windowWidth);
int DefaultWindowTop(int screenHeight, int windowHeight);

}  // namespace kasumori::config
