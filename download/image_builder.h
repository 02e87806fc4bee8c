#pragma once
// BuildControllerImage: packs a configuration into the controller image and keeps a copy of the
// image in a file.

// own
#include "download/controller_image.h"
#include "model/kv_doc.h"

// std
#include <string>

// The copy of the last image built, written in the current folder.
inline constexpr const char* kImageFileName = "CORVANTN.DAT";

// What became of a build; every outcome but Built has been reported.
enum class ImageBuild {
    Built,          // the buffer and the file hold the image
    FileNotWritten, // the buffer holds the image; the file is as it was
    Refused,        // more than 255 stations, or too large for the buffer: the buffer is empty
                    // and the file is as it was
};

// Packs the document's image into `image`, reporting each LCD text longer than its 16-byte slot
// through the document's ui services (the slot keeps the text's first 16 bytes). Returns the
// refusal text, with the image emptied and nothing reported, when the configuration has more than
// 255 stations or its image would not fit the buffer; an empty text otherwise.
std::string PackControllerImage(const CKVDoc& doc, ControllerImage& image);

// Builds the document's image into `image` under the wait cursor and writes the same bytes to
// `file` (the previous file is replaced only once every byte is on disk). Messages go through the
// document's ui services: one for each LCD text longer than its 16-byte slot (the slot keeps the
// text's first 16 bytes and the build goes on), one for a refusal, one for a file not written.
ImageBuild BuildControllerImage(const CKVDoc& doc, ControllerImage& image,
                                const std::string& file = kImageFileName);
