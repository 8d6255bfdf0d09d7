// SPDX-License-Identifier: GPL-3.0-or-later
// What the plug-in window's grid lists: one row per loaded plug-in in load order, then blank
// rows, so that the grid never looks cut short.
#pragma once

#include <QString>

#include <vector>

namespace kasumori::imaging {

class TSPIs;

struct SpiTableRow {
  QString fileName;
  QString description;
  QString filter;    // the first filter, empty when the plug-in has none
  QString fileType;  // the first file-type name
};

// The rows below the header: max(plug-in count, 12) + 2 of them. A null host has none loaded.
std::vector<SpiTableRow> SpiTableRows(const TSPIs* host);

}  // namespace kasumori::imaging
