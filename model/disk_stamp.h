#pragma once
// What a document last knew of its file: which file it was, its size and times, and a digest of
// its bytes, taken when the document read or wrote it. Save compares the stamp with the file now
// on disk to notice that another program wrote it meanwhile.

// own
#include "model/file_layer.h"

// std
#include <cstdint>
#include <ctime>
#include <span>
#include <string>

struct CDiskStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    uint64_t digest = 0;
};

CDiskStamp StampOf(const struct stat& info, std::span<const uint8_t> bytes);

// True when `path` no longer holds the stamped file: another file, or the same file with another
// size, times or bytes. The bytes are compared when all else agrees, because a rewrite in place
// with the same size within one tick of a coarse file-system clock keeps size and times. A file
// that is gone or cannot be read counts as unchanged: there is nothing of it to lose, or nothing
// to compare with.
bool ChangedOnDisk(CFileLayer& files, const std::string& path, const CDiskStamp& stamp);
