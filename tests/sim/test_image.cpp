#include "tests/sim/test_image.h"

void Reseal(std::vector<uint8_t>& image) {
    unsigned sum = 0;
    for (size_t i = 4; i < image.size(); ++i)
        sum += image[i];
    image[2] = static_cast<uint8_t>(sum);
    image[3] = static_cast<uint8_t>(sum >> 8);
}

std::vector<uint8_t> MakeEmptyImage() {
    constexpr size_t kMaps = 16;            // the global zone maps start right after the header
    constexpr size_t kTexts = 16 + 13 * 89; // 1,173
    std::vector<uint8_t> image(kTexts + 16 * 89, 0);
    const size_t length = image.size() - 4;
    image[0] = static_cast<uint8_t>(length);
    image[1] = static_cast<uint8_t>(length >> 8);
    image[4] = 0x01;
    image[5] = 0x01;
    image[6] = 0;
    image[7] = 99;
    image[8] = kMaps;
    image[10] = static_cast<uint8_t>(kTexts);
    image[11] = static_cast<uint8_t>(kTexts >> 8);
    image[kMaps] = 0xF1;
    image[kMaps + 1] = 0xF0;
    for (size_t i = kTexts; i < image.size(); ++i)
        image[i] = ' ';
    Reseal(image);
    return image;
}

std::vector<uint8_t> DownloadMessage(const std::vector<uint8_t>& image) {
    std::vector<uint8_t> message;
    message.reserve(1 + image.size());
    message.push_back(0x03);
    for (uint8_t byte : image)
        message.push_back(byte);
    return message;
}
