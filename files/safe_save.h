#pragma once
// Replacing a file without ever destroying the previous one: the bytes go to a temporary file
// created exclusively beside the target, which is written, fsync'd and closed and only then
// renamed over the target; then the folder is fsync'd. A symbolic link is followed, so the file it
// points to is replaced and the link stays; a replaced file keeps its permission bits, and its
// owner and group as far as the user may give them. A file with several hard links is replaced
// under the saved name only: its other names keep the previous contents, and nothing is ever
// written into a file that a name in a shared folder merely leads to.
//
// In a sticky world-writable folder (such as /tmp) a link or a file that belongs neither to the
// user nor to the folder's owner is refused with EACCES, as the kernel's protected_symlinks and
// protected_regular rules do: another user could plant it to steer the save into a file of the
// user's, or to receive the user's data. The folder's stale temporary files are removed first.

// own
#include "files/file_layer.h"

// std
#include <cstdint>
#include <span>
#include <string>

struct SaveResult {
    enum Stage {
        Done,   // the target now holds the bytes
        Create, // the target could not be created or replaced (nothing was written)
        Write,  // writing failed; the target is as it was and no temporary file is left
    };
    Stage stage = Done;
    int error = 0; // errno of the failed call
};

SaveResult ReplaceFileContents(CFileLayer& files, const std::string& path,
                               std::span<const uint8_t> bytes);
