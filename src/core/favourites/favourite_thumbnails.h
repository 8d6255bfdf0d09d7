// SPDX-License-Identifier: GPL-3.0-or-later
// Where the thumbnail of a favourite lives and how it gets into the entry's buffer. A photo
// inside one of the three photo folders shares the main thumbnail cache; any other photo has a
// thumbnail of its own under ThumbnailFolder/OK, filed by favourites folder and favourite name.
#pragma once

#include "config/settings.h"
#include "favourites/loaded_folder.h"
#include "thumbs/thumbnail_maker.h"

#include <QString>

#include <functional>
#include <vector>

namespace kasumori::favourites {

// The photo folder slot (1..3) whose folder the photo lies in, 0 for none: the path begins with
// the slot's folder, letter case ignored. It is a plain prefix, so ".../Photos2" counts as inside
// ".../Photos", and removing a favourite there keeps its thumbnail, which errs on keeping files.
// An empty slot holds nothing.
int PhotoFolderSlotOf(const QString& photoPath, const config::Settings& settings);

// ThumbnailFolder/OK[/folder parts]/base_ext.bmp; nothing is created.
QString OwnThumbnailPath(const QString& thumbnailFolder, const QString& favouritesFolder,
                         const QString& name);

class FavouriteThumbnails {
 public:
  // Makes the thumbnail of entry `number` into the entry's buffer and stores it at storePath
  // ("" = do not store); false when the photo could not be made. See MakerFor.
  using Maker = std::function<bool(int number, const QString& storePath)>;

  // All references must outlive this object.
  FavouriteThumbnails(const config::Settings& settings, QString thumbnailFolder,
                      LoadedFolder& folder);

  void SetMaker(Maker maker) { maker_ = std::move(maker); }
  // Given the photo files about to be made, in order, so their decoding can begin meanwhile.
  using DecodeAhead = std::function<void(const QStringList& photoPaths)>;
  void SetDecodeAhead(DecodeAhead ahead) { ahead_ = std::move(ahead); }

  // The thumbnail file of the entry: the main cache file for a photo in a photo folder, else
  // its own file, whose folder is created. "" for no such entry.
  QString ThumbnailPath(int number) const;

  // Fills the entry's buffer from its thumbnail file, or has the maker make it, or (for a
  // photo that failed before or cannot be made) paints it black; then the entry is Loaded.
  // An entry inside a photo folder first loses a thumbnail of its own left from before.
  void Load(int number);
  // The entries about to be loaded, in order: those whose thumbnails will have to be made
  // from their photos begin decoding meanwhile.
  void Upcoming(const std::vector<int>& numbers);

 private:
  void DropLeftoverOwnThumbnail(const FavouriteEntry& entry) const;

  const config::Settings& settings_;
  QString thumbnailFolder_;
  LoadedFolder& folder_;
  Maker maker_;
  DecodeAhead ahead_;
};

// The thumbnail maker's view of the loaded entries (its favourites mode): the photo, the
// rotation and buffer of entry `index`, and its Failed flag.
thumbs::FavouriteSubjects FavouriteSubjectsOf(LoadedFolder& folder);

}  // namespace kasumori::favourites
