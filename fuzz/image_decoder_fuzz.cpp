// Any bytes given to the image decoder give contents or a refusal. Contents that were read pack
// into exactly the bytes they came from: the decoder accepts nothing the builder would not make.

// own
#include "download/image_builder.h"
#include "download/image_decoder.h"
#include "tests/support/scripted_ui.h"

// std
#include <algorithm>
#include <cstdlib>

namespace {
void PutButton(const ContentsButton& from, CBtn& to) {
    to.m_strName = from.name.value_or("");
    for (const int zone : from.zones)
        to.ToggleZone(zone);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const ImageDecoding decoded = DecodeControllerImage({data, size});
    if (!decoded.contents) {
        if (decoded.refusal.empty()) std::abort();
        return 0;
    }
    const ConfigContents& contents = *decoded.contents;
    CScriptedUi ui;
    CKVDoc doc(ui);
    doc.m_nMaxZones = contents.maxZones;
    for (const ContentsStation& from : contents.stations) {
        auto& to = *doc.m_pStations.emplace_back(std::make_unique<CStation>());
        to.m_nType = from.type;
        to.m_nPort = from.port;
        to.m_nAddress = from.address;
        to.m_nGroup = from.group;
        to.m_strLcdText = from.lcdText.value_or("");
        for (std::size_t n = 0; n < from.buttons.size(); ++n)
            PutButton(from.buttons[n], to.m_Buttons[n]);
    }
    for (std::size_t k = 0; k < contents.softButtons.size(); ++k)
        PutButton(contents.softButtons[k], doc.m_SoftButtons[k]);
    const auto image = std::make_unique<ControllerImage>();
    if (!PackControllerImage(doc, *image).empty()) std::abort();
    const auto bytes = image->Bytes();
    if (!std::equal(bytes.begin(), bytes.end(), data, data + size)) std::abort();
    return 0;
}
