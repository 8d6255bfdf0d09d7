// SPDX-License-Identifier: GPL-3.0-or-later
// The file another program is given for the shown photo.
#pragma once

#include "platform/dialog_service.h"

#include <QString>

#include <optional>

namespace kasumori::apps {

// The path to hand over for the photo `name` shown from `folder`, or nothing. An edit record
// cannot be read elsewhere: when its source photo is there the user is asked whether to hand
// that over instead, and anything but yes gives nothing. A photo that is not a file of its
// own (inside an archive, or moved away meanwhile) gets the notice that it cannot be handed
// over.
std::optional<QString> ExternalFileFor(const QString& folder, const QString& name,
                                       platform::DialogService& dialogs);

}  // namespace kasumori::apps
