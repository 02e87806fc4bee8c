#pragma once
// Why a configuration file could not be opened, in words for the user, to follow the file's
// name: "site.kvx: damaged at byte 345".

// own
#include "model/formats/archive.h"

// std
#include <string>

// A file the system would not open or read, by its error number: "Permission denied".
std::string SystemOpenFailure(int error);
// A file held for writing by another program.
std::string LockedOpenFailure();
// A file whose data the archive could not read: shorter than a configuration file, or damaged
// at the byte where reading stopped.
std::string DamagedFileFailure(const CArchiveException& exception);
