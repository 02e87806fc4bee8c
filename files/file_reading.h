#pragma once
// Reading a configuration file whole, as the document's open and its changed-on-disk check do.

// own
#include "files/file_layer.h"

// std
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Opens `path` read-only. Non-blocking, so that a FIFO cannot stall the open; never as the
// controlling terminal, should the path name one. The descriptor, or -1 with errno.
int OpenForReading(CFileLayer& files, const std::string& path);

// Reads from `fd` into the `size` bytes at `data` until they are full or the file ends, reading
// again after an interruption. The count read (less than `size` at the file's end), or -1 with
// errno.
long ReadFully(CFileLayer& files, int fd, void* data, std::size_t size);

// Reads the whole regular file behind `fd` into `bytes`; false with errno on failure or for a
// file too large to be a configuration.
bool ReadWholeFile(CFileLayer& files, int fd, std::vector<uint8_t>& bytes);
