// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/photo_list_controller.h"

#include "library/record_names.h"

#include <QSet>

namespace kasumori::library {
namespace {

// The wait cursor for the length of a scope.
class BusyCursor {
 public:
  explicit BusyCursor(const PhotoListHooks& hooks)
      : hooks_(hooks),
        shown_(hooks.setBusyCursor && !(hooks.slideshowActive && hooks.slideshowActive())) {
    if (shown_) hooks_.setBusyCursor(true);
  }
  ~BusyCursor() {
    if (shown_) hooks_.setBusyCursor(false);
  }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  const PhotoListHooks& hooks_;
  bool shown_;
};

}  // namespace

PhotoListController::PhotoListController(PhotoList& list, config::Settings& settings,
                                         FolderState& folders, const PhotoExtensions& extensions,
                                         platform::DialogService& dialogs, PhotoListHooks hooks)
    : list_(list),
      settings_(settings),
      folders_(folders),
      extensions_(extensions),
      dialogs_(dialogs),
      hooks_(std::move(hooks)),
      collator_(MakeNameCollator()) {}

QString PhotoListController::WatchedFolder() const {
  const QString root = folders_.HasSlot() ? settings_.PhotoFolder(folders_.CurrentSlot) : QString();
  const QString folder = !folders_.HasSlot() || root.endsWith(u':') ? folders_.CurrentFolder : root;
  return NearestExistingFolder(folder);
}

void PhotoListController::ScanFolder() {
  list_.Clear();
  if (hooks_.resetPerPhotoState) hooks_.resetPerPhotoState();
  folders_.WatchEnabled = true;
  folders_.WatchedFolder = WatchedFolder();
  if (hooks_.watchFolder) hooks_.watchFolder(folders_.WatchedFolder);
  if (folders_.CurrentFolder.isEmpty()) return;
  {
    const BusyCursor busy(hooks_);
    FillList(CollectPhotos());
    OrderList();
  }
  const bool empty = list_.PhotoCount == 0;
  list_.CurrentIndex = empty ? 0 : Direction() == ListDirection::LeftToRight ? 1 : list_.PhotoCount;
}

std::vector<ListedPhoto> PhotoListController::CollectPhotos() {
  std::vector<ListedPhoto> photos;
  const QString& folder = folders_.CurrentFolder;
  if (IsExistingFolder(folder)) {
    ListFolderPhotos(folder, extensions_, photos);
    return photos;
  }
  if (archives_ == nullptr) return photos;
  const auto location = FindContainingArchive(folder);
  if (!location || !archives_->IsBrowsable(location->archivePath)) return photos;
  const auto entries = archives_->EntryNames(location->archivePath);
  if (!entries) return photos;
  return ArchiveFolderPhotos(*entries, location->innerFolder, extensions_);
}

void PhotoListController::FillList(const std::vector<ListedPhoto>& photos) {
  for (const ListedPhoto& photo : photos) {
    if (!list_.Append(photo.name, photo.fileDate)) {
      dialogs_.Notice(
          {QString::fromUtf8(kTooManyPhotosLine1), QString::fromUtf8(kTooManyPhotosLine2)});
      return;
    }
  }
}

void PhotoListController::OrderList() {
  const SortOrder order = settings_.SortOrder;
  const QHash<QString, QString> names =
      order == SortOrder::ExifDate ? RecordSourceNames() : QHash<QString, QString>();
  const auto lookup = [&names](const QString&, const QString& name) {
    return names.value(name.toCaseFolded());
  };
  library::OrderList(list_, order, Direction(), folders_.CurrentFolder, collator_, lookup);
  const auto shown = hooks_.shownPhoto ? hooks_.shownPhoto() : std::nullopt;
  if (shown && shown->folder == folders_.CurrentFolder) {
    list_.ShownPhotoIndex = list_.PositionOf(shown->name);
  }
}

QHash<QString, QString> PhotoListController::RecordSourceNames() const {
  QHash<QString, QString> names;
  bool anyRecord = false;
  for (int i = 0; i < list_.PhotoCount && !anyRecord; ++i) {
    anyRecord = IsRecordName(list_.PhotoNames[std::size_t(i)]);
  }
  if (!anyRecord) return names;
  // The sources are the photos the scan left out, so they come from a fresh listing.
  std::vector<ListedPhoto> photos;
  EnumeratePhotoFiles(folders_.CurrentFolder, extensions_, photos);
  for (const ListedPhoto& photo : photos) names.insert(photo.name.toCaseFolded(), photo.name);
  return names;
}

bool PhotoListController::ListIsStale() {
  std::vector<ListedPhoto> onDisk;
  ListFolderPhotos(folders_.CurrentFolder, extensions_, onDisk);
  QSet<QString> diskNames;
  for (const ListedPhoto& photo : onDisk) diskNames.insert(photo.name.toCaseFolded());
  QSet<QString> listed;
  for (int i = 0; i < list_.PhotoCount; ++i) {
    const QString name = list_.PhotoNames[std::size_t(i)].toCaseFolded();
    if (!diskNames.contains(name)) return true;
    listed.insert(name);
  }
  // A full list leaves photos out on purpose: only missing names make it stale then.
  if (list_.Full()) return false;
  return diskNames.size() != listed.size();
}

void PhotoListController::RefreshFolder() {
  const QString remembered = list_.CurrentIndex >= 1 && list_.CurrentIndex <= list_.PhotoCount
                                 ? list_.Name(list_.CurrentIndex)
                                 : QString();
  if (!IsExistingFolder(folders_.CurrentFolder)) {
    if (FindContainingArchive(folders_.CurrentFolder)) {
      if (hooks_.rebuildFolderTree) hooks_.rebuildFolderTree(folders_.CurrentFolder);
      return;
    }
    // The folder has gone: fall back to the slot's root, or to no folder at all.
    if (folders_.HasSlot()) {
      folders_.CurrentFolder = settings_.PhotoFolder(folders_.CurrentSlot);
      folders_.SlotFolder() = folders_.CurrentFolder;
      folders_.SlotPositionOfCurrent() = 1;
    } else {
      folders_.CurrentFolder.clear();
    }
  }
  if (hooks_.rebuildFolderTree) hooks_.rebuildFolderTree(folders_.CurrentFolder);
  if (!ListIsStale()) return;
  ScanFolder();
  const int found = remembered.isEmpty() ? 0 : list_.PositionOf(remembered);
  list_.CurrentIndex = found > 0 ? found : list_.PhotoCount;
  if (folders_.HasSlot()) folders_.SlotPositionOfCurrent() = list_.CurrentIndex;
  if (hooks_.refreshStrip) hooks_.refreshStrip();
}

void PhotoListController::SetSortOrder(SortOrder order) {
  if (!UiReady()) return;
  settings_.SortOrder = order;
  AfterOrderCommand();
}

void PhotoListController::SetListDirection(ListDirection direction) {
  if (!UiReady()) return;
  settings_.ListDirection = direction;
  AfterOrderCommand();
}

void PhotoListController::AfterOrderCommand() {
  if (hooks_.showOrderSettings) hooks_.showOrderSettings();
  if (hooks_.saveSettings) hooks_.saveSettings();
  ScanFolder();
  if (folders_.HasSlot()) folders_.SlotPositionOfCurrent() = list_.CurrentIndex;
  if (hooks_.refreshStrip) hooks_.refreshStrip();
}

}  // namespace kasumori::library
