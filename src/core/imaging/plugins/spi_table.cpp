// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/plugins/spi_table.h"

#include "imaging/plugins/spi_host.h"

#include <algorithm>

namespace kasumori::imaging {

namespace {
constexpr int kMinimumListed = 12;
constexpr int kBlankRowsBelow = 2;
}  // namespace

std::vector<SpiTableRow> SpiTableRows(const TSPIs* host) {
  const int count = host ? host->Count() : 0;
  std::vector<SpiTableRow> rows(std::size_t(std::max(count, kMinimumListed) + kBlankRowsBelow));
  for (int i = 0; i < count; ++i) {
    const TSPI& plugin = host->Plugin(i);
    rows[std::size_t(i)] = {plugin.FileName(), plugin.Description(), plugin.Filters().value(0),
                            plugin.FileTypes().value(0)};
  }
  return rows;
}

}  // namespace kasumori::imaging
