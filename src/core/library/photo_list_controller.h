// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the photo list in step with the current folder: the scan, the ordering, the refresh
// after a change on disk and the two ordering commands. Windows, the folder tree, the watcher
// and the thumbnail strip take part through the hooks; any hook may be left empty.
#pragma once

#include "library/archive_folder.h"
#include "library/folder_state.h"
#include "library/list_order.h"
#include "library/photo_extensions.h"
#include "library/photo_list.h"
#include "platform/dialog_service.h"
#include "config/settings.h"

#include <QCollator>
#include <QHash>
#include <QString>

#include <functional>
#include <optional>

namespace kasumori::library {

// The photo on display, for finding it again in a reordered list.
struct ShownPhoto {
  QString folder;
  QString name;
};

struct PhotoListHooks {
  // Clears what other parts keep per list position (thumbnails, load failures, rotations).
  std::function<void()> resetPerPhotoState;
  // Points the folder watcher at a folder ("" when there is nothing to watch).
  std::function<void(const QString& folder)> watchFolder;
  // The wait cursor on or off; not called while a slideshow runs.
  std::function<void(bool busy)> setBusyCursor;
  std::function<bool()> slideshowActive;
  // Commands do nothing while this says no; unset means ready.
  std::function<bool()> uiReady;
  // The photo being displayed, if any.
  std::function<std::optional<ShownPhoto>()> shownPhoto;
  // Rebuilds the folder tree down to the folder.
  std::function<void(const QString& folder)> rebuildFolderTree;
  // Redraws the thumbnail strip around CurrentIndex (with the hover update).
  std::function<void()> refreshStrip;
  // Writes the settings file.
  std::function<void()> saveSettings;
  // Shows SortOrder and ListDirection in the menus and the direction label.
  std::function<void()> showOrderSettings;
};

inline constexpr char kTooManyPhotosLine1[] = "フォルダ内に10000枚以上の写真があります。";
inline constexpr char kTooManyPhotosLine2[] = "10000枚まで読み込めます。";

class PhotoListController {
 public:
  PhotoListController(PhotoList& list, config::Settings& settings, FolderState& folders,
                      const PhotoExtensions& extensions, platform::DialogService& dialogs,
                      PhotoListHooks hooks = {});

  // The archive component; without one, folders inside archives list nothing.
  void SetArchiveLister(ArchiveLister* archives) { archives_ = archives; }
  // The name order's collator (the user's locale, case ignored, unless set).
  void SetCollator(const QCollator& collator) { collator_ = collator; }

  // Rebuilds the list for CurrentFolder and orders it; CurrentIndex goes to the start of the
  // list in the list direction (0 for an empty list). An empty CurrentFolder leaves the list
  // empty and CurrentIndex as it was.
  void ScanFolder();
  // Orders the list by the settings and finds the displayed photo in it again.
  void OrderList();
  // After a change on disk: rescans only when the list no longer matches the folder, keeping
  // the current photo current.
  void RefreshFolder();
  // The commands: n = 1 name, 2 file date-time, 3 Exif date-time; d = 1 or -1. Other values,
  // and any call while the interface is not ready, change nothing.
  void SetSortOrder(SortOrder order);
  void SetListDirection(ListDirection direction);

  // The folder a scan of the current folder has the watcher watch.
  QString WatchedFolder() const;

 private:
  std::vector<ListedPhoto> CollectPhotos();
  void FillList(const std::vector<ListedPhoto>& photos);
  bool ListIsStale();
  // Case-folded name -> name of every photo file of the current folder when the list holds
  // edit records (their sources are found whatever their letter case); else empty.
  QHash<QString, QString> RecordSourceNames() const;
  void AfterOrderCommand();
  bool UiReady() const { return !hooks_.uiReady || hooks_.uiReady(); }
  ListDirection Direction() const { return settings_.ListDirection; }

  PhotoList& list_;
  config::Settings& settings_;
  FolderState& folders_;
  const PhotoExtensions& extensions_;
  platform::DialogService& dialogs_;
  PhotoListHooks hooks_;
  ArchiveLister* archives_ = nullptr;
  QCollator collator_;
};

}  // namespace kasumori::library
