#pragma once
// Building expected .kvx bytes by hand, independently of the archive under test.

// own
#include "model/kv_doc.h"

// std
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class CBytes {
public:
    CBytes& Byte(uint8_t b);
    CBytes& Word(uint16_t w);
    CBytes& Dword(uint32_t d);
    CBytes& Raw(const std::string& s);
    // One-byte length prefix; only for texts shorter than 255 bytes.
    CBytes& ShortText(const std::string& s);
    // The 62-byte header field and the version word.
    CBytes& Header(uint16_t version = 258);
    CBytes& ClassRecord(const std::string& name);

    std::vector<uint8_t> bytes;
};

std::vector<uint8_t> Saved(CKVDoc& doc);
std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
// tests/data under the source tree.
std::filesystem::path TestData();
