// CKVDoc's file commands: open, save, the save driver and its dialog.

// own
#include "model/archive.h"
#include "model/file_layer.h"
#include "model/kv_doc.h"
#include "model/safe_save.h"
#include "model/save_error.h"

// std
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
// Characters at which an untitled document's proposed file name ends.
constexpr std::string_view kNameStops = " #%;/\\";
constexpr std::size_t kProposedStemLength = 8;
// Far above the largest configuration (240 stations of 48 buttons paging 99 zones, about 5 MB);
// a larger file is no configuration, and reading it whole could exhaust memory.
constexpr off_t kMaxFileSize = off_t{64} << 20;

// Reads the whole regular file behind `fd`; false with errno on failure or for a file too
// large to be a configuration.
bool ReadAll(CFileLayer& files, int fd, std::vector<uint8_t>& bytes) {
    struct stat info {};
    if (files.Fstat(fd, &info) != 0) return false;
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxFileSize) {
        errno = EINVAL;
        return false;
    }
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = files.Read(fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break; // the file shrank since fstat
        filled += static_cast<std::size_t>(n);
    }
    bytes.resize(filled);
    return true;
}
} // namespace

bool CKVDoc::OnOpenDocument(const std::string& path) {
    // Non-blocking, so that a FIFO cannot stall the open; the exclusive lock keeps other
    // instances from opening the file at the same time.
    const int fd = m_files.Open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
    if (fd < 0) return false;
    if (m_files.Flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_files.Close(fd);
        return false;
    }
    CWaitCursor wait(m_ui);
    std::vector<uint8_t> bytes;
    const bool read = ReadAll(m_files, fd, bytes);
    m_files.Close(fd);
    if (!read) return false;
    try {
        return ReadConfigFile(bytes);
    } catch (const CArchiveException&) {
        return false;
    }
}

bool CKVDoc::OnSaveDocument(const std::string& path) {
    SaveResult result;
    {
        CWaitCursor wait(m_ui);
        std::vector<uint8_t> bytes;
        WriteConfigFile(bytes);
        result = ReplaceFileContents(m_files, path, bytes);
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
