// SPDX-License-Identifier: GPL-3.0-or-later
// A shown edit record whose source photo is gone: the user may trash the record, or point at
// the photo's new place, after which every record of that photo is renamed to follow it.
#pragma once

#include "library/fileops/photo_commands.h"
#include "platform/platform_services.h"

#include <QString>

namespace kasumori::shell {

// The record being shown and the source its name leads to.
struct MissingSourceCase {
  library::PhotoPlace record;  // the list entry: CurrentFolder, its list name, the slot
  QString sourcePath;
  bool slideshowActive = false;
  bool panoramaMode = false;
};

struct MissingSourceOutcome {
  enum class Kind {
    LoadError,  // the entry is reported as unreadable, without a notice
    Trashed,    // the record is in the trash: clear the display, rescan, show the cursor photo
    Relocated,  // the records follow the chosen photo: show `recordPath` by its path
  };
  Kind kind = Kind::LoadError;
  QString recordPath;
};

// Asks what to do and does it. Moving is done one record at a time with the checked move, so a
// record that cannot follow stays whole under its old name.
MissingSourceOutcome RunMissingSource(const library::FileOpsContext& c,
                                      platform::PickerService& picker, const MissingSourceCase& m);

// The name a record takes when its source is found as `chosenFileName`: the chosen name's stem,
// "_", its extension as spelt, and the record's own tail (".ksm" or "-NNN.ksm").
QString RelocatedRecordName(const QString& recordName, const QString& oldSourceName,
                            const QString& chosenFileName);

}  // namespace kasumori::shell
