// own
#include "files/temp_files.h"

// std
#include <algorithm>
#include <cctype>
#include <ctime>
#include <filesystem>
#include <unistd.h>

namespace {
// Before the number, so that a name of ours never has the form other programs use.
constexpr std::string_view kMark = ".corvantine-";
constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kMaxNumberDigits = 6;
constexpr unsigned kNumberLimit = 1000000;
constexpr time_t kStaleAfterSeconds = 60 * 60;

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}
} // namespace

std::string TempFileName(const std::string& folder, const std::string& name, unsigned number) {
    return folder + "/." + name + std::string(kMark) + std::to_string(number % kNumberLimit) +
           std::string(kSuffix);
}

bool IsTempFileName(std::string_view name) {
    if (!name.starts_with('.') || !name.ends_with(kSuffix)) return false;
    name = name.substr(1, name.size() - 1 - kSuffix.size());
    const auto mark = name.rfind(kMark);
    if (mark == std::string_view::npos || mark == 0) return false;
    const std::string_view number = name.substr(mark + kMark.size());
    return !number.empty() && number.size() <= kMaxNumberDigits && AllDigits(number);
}

void RemoveStaleTempFiles(CFileLayer& files, const std::string& folder) {
    const uid_t user = geteuid();
    const time_t staleBefore = std::time(nullptr) - kStaleAfterSeconds;

    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename();
        if (!IsTempFileName(name)) continue;
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (files.Lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        if (info.st_mtim.tv_sec < staleBefore && info.st_uid == user) files.Unlink(path.c_str());
    }
}
