// own
#include "files/save_error.h"

// std
#include <cerrno>

std::string SaveErrorText(const SaveResult& result, const std::string& path) {
    switch (result.error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return "Access to " + path + " was denied.";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "Disk full while accessing " + path + ".";
    default:
        return result.stage == SaveResult::Create ? "Invalid filename."
                                                  : "Failed to save document.";
    }
}
