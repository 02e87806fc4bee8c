// own
#include "model/kv_doc.h"
#include "model/default_names.h"
#include "files/file_layer.h"

CKVDoc::CKVDoc(CUiServices& ui) : CKVDoc(ui, PosixFileLayer()) {}

CKVDoc::CKVDoc(CUiServices& ui, CFileLayer& files) : m_ui(ui), m_files(files) {}

CKVDoc::~CKVDoc() = default;

void CKVDoc::SetUntitledNumber(int n) {
    SetTitle(kTitleStem + std::to_string(n));
}

bool CKVDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    m_wVersion = kNewVersion;
    auto station = std::make_unique<CStation>();
    station->SetType(4);
    station->SetName("Station1");
    station->SetAddress(1);
    m_pStations.push_back(std::move(station));
    m_nCurStation = 0;
    m_nMaxZones = kMaxZones;
    for (int n = 0; n < kMaxZones; ++n)
        m_strZoneNames[n] = "Zone" + std::to_string(n + 1);
    for (int k = 0; k < kSoftButtonCount; ++k)
        m_SoftButtons[k].SetName(DefaultSoftButtonName(k));
    return true;
}

bool CKVDoc::IsPortAddressUsed(int port, int address, const CStation* skip) const {
    for (const auto& station : m_pStations)
        if (station.get() != skip && station->m_nPort == port && station->m_nAddress == address)
            return true;
    return false;
}

void CKVDoc::FindFreePortAddress(int& port, int& address) const {
    for (int a = 1; a <= kMaxAddress; ++a)
        for (int p = 1; p <= kMaxPort; ++p)
            if (!IsPortAddressUsed(p, a, nullptr)) {
                port = p;
                address = a;
                return;
            }
}
