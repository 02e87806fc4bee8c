// own
#include "tests/model/bytes.h"

// std
#include <fstream>
#include <iterator>

CBytes& CBytes::Byte(uint8_t b) {
    bytes.push_back(b);
    return *this;
}

CBytes& CBytes::Word(uint16_t w) {
    return Byte(w & 0xFF).Byte(w >> 8);
}

CBytes& CBytes::Dword(uint32_t d) {
    return Word(d & 0xFFFF).Word(d >> 16);
}

CBytes& CBytes::Raw(const std::string& s) {
    bytes.insert(bytes.end(), s.begin(), s.end());
    return *this;
}

CBytes& CBytes::ShortText(const std::string& s) {
    return Byte(static_cast<uint8_t>(s.size())).Raw(s);
}

CBytes& CBytes::Header(uint16_t version) {
    const std::string text = "; KVX Corvantine source file, Quellton/Vintrella Inc. \r\n\r\n";
    Raw(text);
    bytes.resize(bytes.size() + 62 - text.size(), 0);
    return Word(version);
}

CBytes& CBytes::ClassRecord(const std::string& name) {
    return Word(0xFFFF).Word(0).Word(static_cast<uint16_t>(name.size())).Raw(name);
}

std::vector<uint8_t> Saved(CKVDoc& doc) {
    std::vector<uint8_t> bytes;
    doc.WriteConfigFile(bytes);
    return bytes;
}

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::filesystem::path TestData() {
    return std::filesystem::path(CORV_SOURCE_DIR) / "tests" / "data";
}
