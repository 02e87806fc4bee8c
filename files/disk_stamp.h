#pragma once
// What a document last knew of its file: the size and a digest of the bytes it read or wrote.
// Save compares the stamp with the file now on disk to notice that another program wrote it
// meanwhile. The bytes decide, not the file's times or identity: a rewrite in place with the
// same size within one tick of a coarse file-system clock keeps size and times, while a touch,
// a chmod or another program's identical save changes times or inode and loses nothing.

// own
#include "files/file_layer.h"

// std
#include <cstdint>
#include <optional>
#include <span>
#include <string>

struct CDiskStamp {
    uint64_t size = 0;
    uint64_t digest = 0;
};

CDiskStamp StampOf(std::span<const uint8_t> bytes);

// The stamp of the file at `path` as it is now; none when it is gone or cannot be read.
std::optional<CDiskStamp> StampOfFile(CFileLayer& files, const std::string& path);

// True when the file at `path` holds other bytes than the stamped ones. A file that is gone or
// cannot be read counts as unchanged: there is nothing of it to lose, or nothing to compare.
bool ChangedOnDisk(CFileLayer& files, const std::string& path, const CDiskStamp& stamp);
