// own
#include "download/download_config.h"
#include "download/image_builder.h"

// std
#include <memory>

DownloadOutcome OnDownloadConfig(const CKVDoc& doc, const CProgramSettings& settings,
                                 CUiServices& ui, CDownloadUi& progress,
                                 const SerialPlatform& platform) {
    // Rebuilt from scratch for every download; 32 KiB is kept off the stack.
    const auto image = std::make_unique<ControllerImage>();
    BuildControllerImage(doc, *image);
    return DownloadToController(*image, settings, ui, progress, platform);
}
