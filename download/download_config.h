#pragma once
// OnDownloadConfig: the document's "Download Config..." command. It always builds the image
// (keeping its copy in CORVANTN.DAT in the current folder) and then runs the download, which does
// nothing when the build was refused.

// own
#include "download/download_engine.h"
#include "model/kv_doc.h"

// The build reports through the document's ui services, the download asks and reports through
// `ui` (the editor passes the document's own); the rest as DownloadToController.
DownloadOutcome OnDownloadConfig(const CKVDoc& doc, const CProgramSettings& settings,
                                 CUiServices& ui, CDownloadUi& progress,
                                 const SerialPlatform& platform = DefaultSerialPlatform());
