// CKVDoc's file commands: open, save, the save driver and its dialog.

// own
#include "files/disk_stamp.h"
#include "files/file_layer.h"
#include "files/file_reading.h"
#include "files/safe_save.h"
#include "files/save_error.h"
#include "model/contents_edit.h"
#include "model/formats/archive.h"
#include "model/kv_doc.h"
#include "model/open_failure.h"

// std
#include <cerrno>
#include <unistd.h>

namespace {
// Characters at which an untitled document's proposed file name ends.
constexpr std::string_view kNameStops = " #%;/\\";
constexpr std::size_t kProposedStemLength = 8;

std::string FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}
} // namespace

bool CKVDoc::OnOpenDocument(const std::string& path) {
    std::string why;
    if (ReadDocumentFile(path, why)) return true;
    // An open that says nothing leaves the user guessing; ReadConfigFile's refusals have spoken.
    if (!why.empty())
        m_ui.MessageBoxWithFacts("Cannot open " + FileNameOf(path) + ".", path + ": " + why);
    return false;
}

bool CKVDoc::ReadDocumentFile(const std::string& path, std::string& why) {
    const int fd = OpenForReading(m_files, path);
    if (fd < 0) {
        why = SystemOpenFailure(errno);
        return false;
    }
    // Only a program that holds the file for writing keeps it from being read; a file system
    // without locks does not.
    if (m_files.Lock(fd, LockKind::Shared) != 0 && LockHeldElsewhere(errno)) {
        m_files.Close(fd);
        why = LockedOpenFailure();
        return false;
    }
    CWaitCursor wait(m_ui);
    std::vector<uint8_t> bytes;
    const bool read = ReadWholeFile(m_files, fd, bytes);
    const int readError = errno;
    m_files.Close(fd);
    if (!read) {
        why = SystemOpenFailure(readError);
        return false;
    }
    try {
        if (!ReadConfigFile(bytes)) return false;
    } catch (const CArchiveException& e) {
        why = DamagedFileFailure(e);
        return false;
    }
    m_diskStamp = StampOf(bytes);
    return true;
}

bool CKVDoc::OnOpenRecoveryCopy(const std::string& copy, const std::string& original) {
    if (!OnOpenDocument(copy)) return false;
    m_diskStamp = original.empty() ? std::nullopt : StampOfFile(m_files, original);
    return true;
}

bool CKVDoc::TakeRecoveredContents(std::unique_ptr<CDocument>& copy) {
    auto* recovered = dynamic_cast<CKVDoc*>(copy.get());
    if (recovered == nullptr) return false;
    copy.release();
    Perform(std::make_unique<CContentsEdit>(*this, std::unique_ptr<CKVDoc>(recovered), "Recover"));
    return true;
}

bool CKVDoc::MayReplace(const std::string& path) {
    if (!m_diskStamp || path != GetPathName() || !ChangedOnDisk(m_files, path, *m_diskStamp))
        return true;
    return m_ui.MessageBox(FileNameOf(path) +
                               " was changed by another program since it was opened.  Replace it "
                               "with this version?",
                           kAppTitle, MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes;
}

bool CKVDoc::OnSaveDocument(const std::string& path) {
    if (!MayReplace(path)) return false;
    SaveResult result;
    {
        CWaitCursor wait(m_ui);
        std::vector<uint8_t> bytes;
        WriteConfigFile(bytes);
        result = ReplaceFileContents(m_files, path, bytes);
        if (result.stage == SaveResult::Done) m_diskStamp = StampOf(bytes);
    }
    if (result.stage != SaveResult::Done) {
        m_ui.MessageBox(SaveErrorText(result, path), kAppTitle, MsgButtons::Ok,
                        MsgIcon::Exclamation);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CKVDoc::DoSave(const std::string& path, bool replace) {
    std::string name = path;
    if (name.empty()) {
        name = GetPathName();
        if (name.empty()) {
            name = GetTitle().substr(0, kProposedStemLength);
            name = name.substr(0, name.find_first_of(kNameStops));
            name += kExtension;
        }
        if (!PromptSaveAsName(name)) return false;
    }
    // A failed save leaves no file behind of its own and the previous file as it was, so there
    // is nothing to delete here.
    if (!OnSaveDocument(name)) return false;
    if (replace) {
        SetPathName(name);
        UpdateAllViews();
    }
    return true;
}

bool CKVDoc::PromptSaveAsName(std::string& name) {
    FileDialogRequest request;
    request.title = "File Save As";
    request.filters = {{"Corvantine Files (*.kvx)", "*.kvx"}};
    request.initialName = name;
    request.overwritePrompt = true;
    const auto chosen = m_ui.AskSaveFileName(request);
    if (!chosen) return false;
    name = *chosen;
    return true;
}

bool CKVDoc::DoFileSave() {
    const std::string& path = GetPathName();
    const bool writable = !path.empty() && m_files.Access(path.c_str(), R_OK | W_OK) == 0;
    return DoSave(writable ? path : std::string(), true);
}

void CKVDoc::OnFileSave() {
    DoFileSave();
}

void CKVDoc::OnFileSaveAs() {
    DoSave({}, true);
}
