#include "model/open_failure.h"

// std
#include <cstring>

namespace {
// The header field and the version word that every configuration file begins with.
constexpr std::size_t kShortestFile = 62 + 2;
} // namespace

std::string SystemOpenFailure(int error) {
    return std::strerror(error);
}

std::string LockedOpenFailure() {
    return "held by another program that is writing it; open it again once it has finished";
}

std::string DamagedFileFailure(const CArchiveException& exception) {
    const std::string at = std::to_string(exception.m_nOffset);
    if (exception.m_cause != CArchiveException::EndOfFile) return "damaged at byte " + at;
    if (exception.m_nOffset < kShortestFile)
        return "shorter than a configuration file (" + at + " bytes)";
    return "damaged at byte " + at + ", where the file ends inside its data";
}
