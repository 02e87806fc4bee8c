#pragma once
// CKVDoc: the document of one configuration. It owns the station list (each CStation owning its
// buttons and zones), the 89 global soft buttons, the 99 zone names and the number of zones in
// use; opens and saves .kvx files; and answers the port/address questions of the station editing.
// Everything it says to the user goes through the CUiServices given at construction, which must
// outlive the document.

// own
#include "model/btn.h"
#include "files/disk_stamp.h"
#include "model/station.h"
#include "framework/document.h"
#include "framework/ui_services.h"

// std
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CFileLayer;

class CKVDoc : public CDocument {
public:
    // The soft button at index k is labelled SB-(k + 11).
    static constexpr int kFirstSoftButtonNumber = 11;
    static constexpr uint16_t kNewVersion = 257;
    static constexpr uint16_t kFileVersion = 258;
    // Document type strings: untitled documents are Config1, Config2, ...; files end in .kvx.
    static constexpr const char* kTitleStem = "Config";
    static constexpr const char* kExtension = ".kvx";

    // Files go through the POSIX file layer.
    explicit CKVDoc(CUiServices& ui);
    // Files go through `files`, which must outlive the document (tests inject faults there).
    CKVDoc(CUiServices& ui, CFileLayer& files);
    ~CKVDoc() override;
    CKVDoc(const CKVDoc&) = delete;
    CKVDoc& operator=(const CKVDoc&) = delete;

    // The title of the n-th untitled document of a run: "Config<n>". The creator of documents
    // keeps the counter.
    void SetUntitledNumber(int n);

    // Defaults of a new configuration: one 4-button Station1 on port 1 address 1, Zone1 to
    // Zone99, SoftButton11 to SoftButton99, 99 zones in use, version 257. Returns true.
    bool OnNewDocument() override;
    // Reads the file (opened read-only under a shared lock, refused only while another program
    // holds the file for writing). True when the document now holds it; false after a refusal,
    // which has been shown: a file that is not a valid or a too new KVX file, or "Cannot open"
    // the file with why (not permitted, held, too short, damaged at a byte).
    bool OnOpenDocument(const std::string& path) override;
    // Reads the copy; a later Save compares the original file with what it holds now, so only
    // changes made to it from here on by another program are asked about.
    bool OnOpenRecoveryCopy(const std::string& copy, const std::string& original) override;
    // The configuration of `copy` in place of this one as the step "Recover".
    bool TakeRecoveredContents(std::unique_ptr<CDocument>& copy) override;
    // Writes the file through a temporary file renamed over it; the previous file stays intact
    // on failure. When the document's own file changed on disk since the document read or last
    // wrote it, asks first; No keeps both as they are. False after No or a reported failure.
    bool OnSaveDocument(const std::string& path) override;
    // The save driver of Save and Save As: `path` empty asks for a name. `replace` makes the
    // name the document's path. False when cancelled or failed.
    virtual bool DoSave(const std::string& path, bool replace);
    // Shows the save dialog with `name` preselected; on OK stores the chosen path into `name`.
    virtual bool PromptSaveAsName(std::string& name);

    // Save to the document's file when it exists and may be written, otherwise Save As.
    bool DoFileSave() override;
    void OnFileSave();
    void OnFileSaveAs();

    // The .kvx layout. The writer sets m_wVersion to 258 and appends the whole file to `sink`.
    void WriteConfigFile(std::vector<uint8_t>& sink);
    // Reads a whole file into this freshly constructed document. False after a refusal whose
    // message has been shown (header, version, content the format cannot hold); throws
    // CArchiveException on data the archive cannot read, with the byte where it stopped.
    bool ReadConfigFile(std::span<const uint8_t> source);

    // True when a station other than `skip` (may be null) has this port and address.
    bool IsPortAddressUsed(int port, int address, const CStation* skip) const;
    // Sets port and address to the first pair no station uses, address-major (port 1 address
    // 1, port 2 address 1, ...); leaves both as they are when all 240 pairs are taken.
    void FindFreePortAddress(int& port, int& address) const;

    CUiServices& Ui() const { return m_ui; }

    uint16_t m_wVersion = 0;
    // Names of zones 1 to 99; files store the first m_nMaxZones.
    std::array<std::string, kMaxZones> m_strZoneNames;
    // The stations in display order; the document owns them.
    std::vector<std::unique_ptr<CStation>> m_pStations;
    std::array<CBtn, kSoftButtonCount> m_SoftButtons;
    // Index in m_pStations of the station the view shows.
    int m_nCurStation = 0;
    // Paging zones in use, 1..99.
    int m_nMaxZones = kMaxZones;

private:
    // OnOpenDocument without its message: false with `why` in words, or with `why` empty when
    // ReadConfigFile has shown its refusal.
    bool ReadDocumentFile(const std::string& path, std::string& why);
    std::size_t EstimatedFileSize() const;
    // False when `path` is the document's file, another program changed it and the user
    // declines to replace it.
    bool MayReplace(const std::string& path);

    CUiServices& m_ui;
    CFileLayer& m_files;
    // The document's file as last read or written; none before either.
    std::optional<CDiskStamp> m_diskStamp;
};
