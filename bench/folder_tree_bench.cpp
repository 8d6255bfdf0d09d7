// SPDX-License-Identifier: GPL-3.0-or-later
// Building a slot's folder tree down to a current folder three levels deep, in a slot of 300
// event folders with 10 sub-folders each. Baseline, in the same run: a bare readdir of every
// folder the tree has to read (the root, its children, and the folders along the path).
#include <dirent.h>

#include <QDir>
#include <cstdio>

#include "bench_support.h"
#include "library/folders/folder_tree.h"

namespace kasumori {
namespace {

constexpr int kEvents = 300;
constexpr int kDaysPerEvent = 10;

void MakeSlot(const QString& root) {
  for (int e = 0; e < kEvents; ++e) {
    const QString event = root + QString("/2026-%1 event").arg(e, 3, 10, QChar('0'));
    for (int d = 0; d < kDaysPerEvent; ++d) QDir().mkpath(event + QString("/day%1").arg(d));
  }
  QDir().mkpath(root + "/2026-150 event/day3/morning/raw");
}

// Sub-folders of one folder, the way a bare walk finds them.
int CountSubFolders(const QByteArray& folder, std::vector<QByteArray>* children) {
  DIR* dir = ::opendir(folder.constData());
  if (!dir) return 0;
  int count = 0;
  while (const dirent* entry = ::readdir(dir)) {
    if (entry->d_type != DT_DIR || entry->d_name[0] == '.') continue;
    ++count;
    if (children) children->push_back(folder + '/' + entry->d_name);
  }
  ::closedir(dir);
  return count;
}

int BareWalk(const QString& root) {
  std::vector<QByteArray> children;
  int folders = CountSubFolders(QFile::encodeName(root), &children);
  for (const QByteArray& child : children) folders += CountSubFolders(child, nullptr);
  // The levels along the path to the current folder, with their children.
  QString level = root + "/2026-150 event/day3";
  for (int i = 0; i < 2; ++i, level += i == 1 ? "/morning" : "/raw") {
    std::vector<QByteArray> below;
    folders += CountSubFolders(QFile::encodeName(level), &below);
    for (const QByteArray& child : below) folders += CountSubFolders(child, nullptr);
  }
  return folders;
}

}  // namespace
}  // namespace kasumori

int main(int argc, char** argv) {
  using namespace kasumori;
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s WORK_FOLDER\n", argv[0]);
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]) + "/slot";
  MakeSlot(root);
  const QString current = root + "/2026-150 event/day3/morning";

  int walked = 0;
  const double bareMs = bench::MedianMs([&] { walked = BareWalk(root); });
  library::FolderTree tree;
  const double buildMs = bench::MedianMs([&] { tree.BuildTree(root, current); });
  if (!tree.Root() || tree.Root()->children.size() != std::size_t(kEvents) || walked == 0) {
    std::fprintf(stderr, "the tree does not hold the slot's folders\n");
    return 1;
  }
  bench::Report("BuildTree, 300 x 10 folders, current 3 deep", buildMs, bareMs);
  return 0;
}
