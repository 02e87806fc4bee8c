// own
#include "tools/sim/image_check.h"
#include "model/limits.h"

// std
#include <array>
#include <cstdio>

namespace {

constexpr size_t kHeaderSize = kImageHeaderBytes;
constexpr size_t kStationRecordSize = 8;
constexpr size_t kGlobalButtons = kSoftButtonCount;
constexpr size_t kLcdTextSize = kMaxLcdText;
constexpr size_t kControllerBuffer = kImageBufferBytes;
// Buttons with zone maps per station type code 0 to 5.
constexpr std::array<size_t, 6> kButtonsOfType{4, 10, 48, 3, 9, 47};

unsigned Word(std::span<const uint8_t> image, size_t offset) {
    return image[offset] | (image[offset + 1] << 8);
}

std::string Hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value & 0xFFFF);
    return text;
}

// The layout the header describes, or an explanation of why it describes none.
struct Layout {
    size_t nGlobalMaps = 0;
    size_t nGlobalTexts = 0;
    size_t nSize = 0;
    std::string strProblem;
};

Layout DescribedLayout(std::span<const uint8_t> image) {
    Layout layout;
    const size_t stations = image[6];
    const size_t zones = image[7];
    if (zones < 1 || zones > static_cast<size_t>(kMaxZones)) {
        layout.strProblem =
            "zone count " + std::to_string(zones) + " outside 1 to " + std::to_string(kMaxZones);
        return layout;
    }
    if (image.size() < kHeaderSize + kStationRecordSize * stations) {
        layout.strProblem =
            "station table of " + std::to_string(stations) + " stations does not fit";
        return layout;
    }
    const size_t mapSize = (zones + 7) / 8;
    size_t buttons = 0;
    size_t textStations = 0;
    for (size_t i = 0; i < stations; ++i) {
        const uint8_t code = image[kHeaderSize + kStationRecordSize * i + 1];
        if (code >= kButtonsOfType.size()) {
            layout.strProblem =
                "station " + std::to_string(i + 1) + " has type code " + std::to_string(code);
            return layout;
        }
        buttons += kButtonsOfType[code];
        if (code == 1 || code == 4) ++textStations;
    }
    layout.nGlobalMaps = kHeaderSize + kStationRecordSize * stations + mapSize * buttons;
    layout.nGlobalTexts =
        layout.nGlobalMaps + mapSize * kGlobalButtons + 10 * kLcdTextSize * textStations;
    layout.nSize = layout.nGlobalTexts + kLcdTextSize * kGlobalButtons;
    return layout;
}

} // namespace

ImageCheck CheckImage(std::span<const uint8_t> image) {
    ImageCheck check;
    auto fail = [&check](const std::string& line) {
        check.bOk = false;
        check.lines.push_back(line);
    };
    if (image.size() < kHeaderSize) {
        fail("image of " + std::to_string(image.size()) + " bytes is shorter than its header");
        return check;
    }
    const unsigned length = Word(image, 0);
    check.lines.push_back("image: " + std::to_string(image.size()) + " bytes, length field " +
                          std::to_string(length) + ", " + std::to_string(image[6]) +
                          " station(s), " + std::to_string(image[7]) + " zone(s)");
    if (image.size() > kControllerBuffer)
        fail("image exceeds the controller's " + std::to_string(kControllerBuffer) + " bytes");

    const Layout layout = DescribedLayout(image);
    if (!layout.strProblem.empty()) {
        fail("header: " + layout.strProblem);
    } else if (layout.nSize != image.size()) {
        fail("length field " + std::to_string(length) +
             " disagrees with the header, which describes " + std::to_string(layout.nSize) +
             " bytes");
    } else if (Word(image, 8) != layout.nGlobalMaps || Word(image, 10) != layout.nGlobalTexts) {
        fail("global offsets " + std::to_string(Word(image, 8)) + " and " +
             std::to_string(Word(image, 10)) + " should be " + std::to_string(layout.nGlobalMaps) +
             " and " + std::to_string(layout.nGlobalTexts));
    } else {
        check.lines.push_back("length field agrees with the header");
    }

    unsigned sum = 0;
    for (size_t i = 4; i < image.size(); ++i)
        sum += image[i];
    sum &= 0xFFFF;
    if (sum == Word(image, 2))
        check.lines.push_back("checksum " + Hex(sum) + " correct");
    else
        fail("checksum field " + Hex(Word(image, 2)) + " but the bytes sum to " + Hex(sum));
    return check;
}
