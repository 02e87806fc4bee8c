// own
#include "tools/cli/json_input.h"
#include "files/file_reading.h"
#include "model/formats/text_excerpt.h"

// std
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using Json = nlohmann::ordered_json;

namespace {
struct CTooLarge {
    std::string why;
};

// The whole file; a refusal text instead when it is not a regular file of acceptable size.
std::optional<std::string> ReadRegularFile(const std::string& path, std::string& bytes) {
    // Non-blocking, so that opening a FIFO returns at once and is refused below.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    struct stat info {};
    std::optional<std::string> refusal;
    if (fstat(fd, &info) != 0) {
        refusal = std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        refusal = "not a regular file";
    } else if (info.st_size > kMaxJsonInputBytes) {
        refusal = std::to_string(info.st_size) + " bytes refused (at most 16 MB)";
    } else {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        const long filled = ReadFully(PosixFileLayer(), fd, bytes.data(), bytes.size());
        if (filled < 0)
            refusal = std::strerror(errno);
        else // the file may have shrunk since fstat
            bytes.resize(static_cast<std::size_t>(filled));
    }
    close(fd);
    return refusal;
}

// Refuses, while parsing, what would make the parse slow or large.
class CParseBounds {
public:
    bool operator()(int depth, Json::parse_event_t event, const Json&) {
        using Event = Json::parse_event_t;
        switch (event) {
        case Event::object_start:
            m_fields.push_back(0);
            [[fallthrough]];
        case Event::array_start:
            if (depth >= kMaxJsonDepth)
                throw CTooLarge{"nesting deeper than " + std::to_string(kMaxJsonDepth) +
                                " levels refused"};
            [[fallthrough]];
        case Event::value:
            if (++m_values > kMaxJsonValues)
                throw CTooLarge{"more than " + std::to_string(kMaxJsonValues) + " values refused"};
            break;
        case Event::key:
            if (++m_fields.back() > kMaxJsonFields)
                throw CTooLarge{"an object of more than " + std::to_string(kMaxJsonFields) +
                                " fields refused"};
            break;
        case Event::object_end:
            m_fields.pop_back();
            break;
        case Event::array_end:
            break;
        }
        return true;
    }

private:
    std::vector<std::size_t> m_fields; // per open object
    std::size_t m_values = 0;
};

// The parser's message, with the text it quotes cut to an excerpt.
std::string ParseErrorText(const std::string& what) {
    static constexpr std::string_view kQuoteStart = "last read: '";
    const auto start = what.find(kQuoteStart);
    const auto end = what.rfind('\'');
    if (start == std::string::npos || end == std::string::npos) return what;
    const auto from = start + kQuoteStart.size();
    if (end < from) return what;
    return what.substr(0, from) + Excerpt(std::string_view(what).substr(from, end - from)) +
           what.substr(end);
}
} // namespace

std::optional<Json> ReadJsonInput(CCliContext& context, const std::string& path) {
    std::string bytes;
    if (const auto refusal = ReadRegularFile(path, bytes)) {
        context.CannotRead(path + ": " + *refusal);
        return std::nullopt;
    }
    try {
        return Json::parse(bytes, CParseBounds());
    } catch (const CTooLarge& tooLarge) {
        context.CannotRead(path + ": " + tooLarge.why);
    } catch (const nlohmann::json::exception& e) {
        context.CannotRead(path + ": not valid JSON: " + ParseErrorText(e.what()));
    }
    return std::nullopt;
}
