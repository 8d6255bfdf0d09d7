// SPDX-License-Identifier: GPL-3.0-or-later
// A photo dragged from the photo view or the strip towards the folder tree.
#pragma once

#include <QString>

#include <optional>

class QMimeData;
class QWidget;

namespace kasumori::ui {

// The drag carries the photo in a format of this program's own and nothing else: offered as a
// file, a file manager, the desktop or a trash icon would take the move and leave the photo's
// edit records and cached thumbnails behind. Only the folder tree understands it.
inline constexpr char kPhotoDragFormat[] = "application/x-kasumori2-photo";

// Runs the drag to its end; the photo moves only when the folder tree takes the drop.
void StartPhotoDrag(QWidget* source, const QString& photoPath);

// The photo's path, when the data is this program's own photo drag.
std::optional<QString> DraggedPhotoPath(const QMimeData& data);

}  // namespace kasumori::ui
