#include "download/download_ui.h"

// own
#include "framework/format_text.h"

std::string ProgressText(const DownloadProgress& progress) {
    // Tenths of a KB, rounded down, so that "32.3 of 32.3" appears only once all is done.
    const auto tenths = [](size_t bytes) { return static_cast<unsigned long>(bytes / 100); };
    const unsigned long done = tenths(progress.nDone);
    const unsigned long total = tenths(progress.nTotal);
    // Once all has gone, no time is left to tell of; "0 s left" would stay on after success.
    if (progress.nDone >= progress.nTotal)
        return FormatText("%lu.%lu of %lu.%lu KB", done / 10, done % 10, total / 10, total % 10);
    return FormatText("%lu.%lu of %lu.%lu KB, %u s left", done / 10, done % 10, total / 10,
                      total % 10, static_cast<unsigned>(progress.nSecondsLeft));
}
