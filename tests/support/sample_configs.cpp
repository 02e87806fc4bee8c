// own
#include "tests/support/sample_configs.h"

// std
#include <array>

namespace {
int Between(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

// Printable bytes, Windows-1252 letters above 0x7F among them.
std::string RandomText(std::mt19937& random, std::size_t limit) {
    std::string text(static_cast<std::size_t>(Between(random, 0, static_cast<int>(limit))), ' ');
    for (char& c : text)
        c = static_cast<char>(Between(random, 0, 5) == 0 ? Between(random, 0xC0, 0xFF)
                                                         : Between(random, 0x20, 0x7E));
    return text;
}

void RandomButton(std::mt19937& random, CBtn& button, int maxZones) {
    button.SetName(RandomText(random, kMaxButtonName));
    button.m_pZones.clear();
    const int density = Between(random, 0, 4);
    for (int z = 0; z < maxZones; ++z)
        if (Between(random, 0, 9) < density) button.ToggleZone(z);
}
} // namespace

void FillRandomConfig(CKVDoc& doc, std::mt19937& random) {
    constexpr std::array kTypes = {4, 10, 48, 3, 9, 47};
    doc.OnNewDocument();
    doc.m_nMaxZones = Between(random, 1, kMaxZones);
    for (std::string& name : doc.m_strZoneNames)
        name = RandomText(random, 25);
    doc.m_pStations.clear();
    const int count = Between(random, 1, 12);
    for (int i = 0; i < count; ++i) {
        auto station = std::make_unique<CStation>();
        station->SetType(kTypes[static_cast<std::size_t>(Between(random, 0, 5))]);
        station->SetName(RandomText(random, kMaxStationName));
        int port = Between(random, 1, kMaxPort);
        int address = Between(random, 1, kMaxAddress);
        if (doc.IsPortAddressUsed(port, address, nullptr)) doc.FindFreePortAddress(port, address);
        station->SetPort(port);
        station->SetAddress(address);
        station->SetGroup(Between(random, 0, kMaxGroup));
        if (station->m_nType == CStation::kLcdTextType)
            station->SetLcdText(RandomText(random, kMaxLcdText));
        for (int n = 0; n < station->m_nType; ++n)
            RandomButton(random, station->m_Buttons[static_cast<std::size_t>(n)], doc.m_nMaxZones);
        doc.m_pStations.push_back(std::move(station));
    }
    for (CBtn& button : doc.m_SoftButtons)
        RandomButton(random, button, doc.m_nMaxZones);
}

void FillLargestConfig(CKVDoc& doc) {
    doc.OnNewDocument();
    doc.m_pStations.clear();
    int port = 1;
    int address = 1;
    for (int i = 0; i < 47; ++i) {
        auto s = std::make_unique<CStation>();
        s->SetType(48);
        s->SetName(std::string(kMaxStationName - 3, 'S') + std::to_string(100 + i));
        doc.FindFreePortAddress(port, address);
        s->SetPort(port);
        s->SetAddress(address);
        for (CBtn& b : s->m_Buttons) {
            b.SetName(std::string(kMaxButtonName, 'B'));
            for (int z = 0; z < kMaxZones; ++z)
                b.ToggleZone(z);
        }
        doc.m_pStations.push_back(std::move(s));
    }
    for (CBtn& b : doc.m_SoftButtons) {
        b.SetName(std::string(kMaxButtonName, 'b'));
        for (int z = 0; z < kMaxZones; ++z)
            b.ToggleZone(z);
    }
    for (int z = 0; z < kMaxZones; ++z)
        doc.m_strZoneNames[static_cast<std::size_t>(z)] = "Zone name " + std::to_string(z + 1);
}
