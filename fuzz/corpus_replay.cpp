// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds every file of the given folders to one fuzz target's function, as libFuzzer would
// replay them, so that the seed corpus and every input that once crashed a fuzzer run with
// the tests:
//   kasumori_corpus_replay <target> <folder>...
// A folder that is missing is skipped; the run fails when no folder held a file, or when an
// input trips an invariant (the process then stops on the trap, named by the last line).
#include "fuzz_entries.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace kasumori::fuzz;

struct Target {
  const char* name;
  Entry entry;
};

constexpr Target kTargets[] = {
    {"bmp", FuzzBmp},
    {"tiff", FuzzTiff},
    {"exif", FuzzExif},
    {"jpeg", FuzzJpeg},
    {"spi", FuzzSpi},
    {"record", FuzzRecord},
    {"settings", FuzzSettings},
    {"favourites", FuzzFavourites},
    {"archive_path", FuzzArchivePath},
    {"archive", FuzzArchive},
};

std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
    // The folders' own notes are not inputs.
    if (item.is_regular_file() && item.path().filename() != "README") files.push_back(item);
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::uint8_t> Contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <target> <folder>...\n", argv[0]);
    return 2;
  }
  const auto target = std::find_if(std::begin(kTargets), std::end(kTargets), [&](const Target& t) {
    return std::strcmp(t.name, argv[1]) == 0;
  });
  if (target == std::end(kTargets)) {
    std::fprintf(stderr, "unknown target: %s\n", argv[1]);
    return 2;
  }
  int replayed = 0;
  for (int i = 2; i < argc; ++i) {
    for (const auto& file : FilesIn(argv[i])) {
      std::printf("%s\n", file.c_str());
      std::fflush(stdout);
      const std::vector<std::uint8_t> bytes = Contents(file);
      target->entry(bytes.data(), bytes.size());
      ++replayed;
    }
  }
  std::printf("%d inputs replayed through %s\n", replayed, target->name);
  return replayed > 0 ? 0 : 1;
}
