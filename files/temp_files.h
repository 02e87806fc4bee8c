#pragma once
// This program's temporary files: a save writes ".<name>.corvantine-<number>.tmp" beside the file
// <name> it replaces and renames it over <name> at the end. A save that was killed leaves one
// behind; the next save into the folder removes those older than an hour (no save takes that
// long, so a file another save is still writing is never touched). The program's name in it keeps
// every other program's hidden ".tmp" files out of reach.

// own
#include "files/file_layer.h"

// std
#include <string>
#include <string_view>

// The temporary file for replacing `name` in `folder`, numbered by the last six decimal digits
// of `number`.
std::string TempFileName(const std::string& folder, const std::string& name, unsigned number);
// Whether a folder entry's name has the form TempFileName gives.
bool IsTempFileName(std::string_view name);

// Removes the temporary files of `folder` that the user owns and that were last modified more than
// an hour ago; another user's, the superuser's included, stay. Failures leave the files as they
// are.
void RemoveStaleTempFiles(CFileLayer& files, const std::string& folder);
