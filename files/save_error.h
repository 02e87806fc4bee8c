#pragma once
// The text of the toolkit's save-error report: chosen by the failed call's errno, with the path
// filled in; the stage's default when no cause-specific text applies.

// own
#include "files/safe_save.h"

// std
#include <string>

std::string SaveErrorText(const SaveResult& result, const std::string& path);
