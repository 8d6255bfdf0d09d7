// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/folders/folder_tree.h"

#include <QIcon>

namespace kasumori::ui {

// The 16 × 12 node icons of the folder tree: a closed folder, or a closed archive, with its
// open form for the selected node.
const QIcon& TreeNodeIcon(library::NodeKind kind);

}  // namespace kasumori::ui
