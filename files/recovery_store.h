#pragma once
// CRecoveryStore: the folder of recovery copies, each a .kvx with its note (recovery_note.h), so
// that unsaved changes survive a kill, a crash or a power cut. Every editor has an instance name
// of its own, "<pid>-<random>", and a lock file of that name, which it holds for as long as it
// runs; its copies are the slots "<instance>-<n>". Copies whose lock nobody holds belong to an
// editor that is gone: ClaimOrphans takes that lock, so two editors started together never offer
// the same copies, and an editor never offers the copies of one still running. Where the file
// system has no locks the instance's process id decides instead.
//
// Writes are atomic (a temporary file renamed over the old copy), the copy before its note, so a
// note never tells of a copy that is not there. A folder that cannot be made leaves the store
// unusable until a later Write makes it; meanwhile it finds nothing, and Write says why it failed.

// own
#include "files/file_layer.h"
#include "files/recovery_note.h"

// std
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

class CRecoveryStore {
public:
    struct Orphan {
        std::string slot;
        // A copy whose note is missing or unreadable has one with no path or title and the
        // copy's time, so that it is still offered, as untitled.
        CRecoveryNote note;
    };

    // Makes `folder` (private to the user) when it is missing and takes this editor's lock.
    explicit CRecoveryStore(std::string folder);
    // Lets go of claimed copies (those left stay for the next start) and of this editor's lock;
    // the lock file goes too when none of this editor's copies is left.
    ~CRecoveryStore();
    CRecoveryStore(const CRecoveryStore&) = delete;
    CRecoveryStore& operator=(const CRecoveryStore&) = delete;

    // $XDG_STATE_HOME/Quellton Electronics/recovery, else ~/.local/state/...; empty when neither
    // an absolute XDG_STATE_HOME nor HOME is set.
    static std::string DefaultFolder();

    bool Usable() const { return m_lockFd >= 0; }
    const std::string& Folder() const { return m_folder; }
    // A fresh slot name for one document's copies.
    std::string NewSlot();
    std::string CopyPath(const std::string& slot) const;
    // Replaces the slot's copy and note, making the folder first when it is not there yet; false
    // when either could not be written, with the cause in LastError.
    bool Write(const std::string& slot, std::span<const uint8_t> kvx, const CRecoveryNote& note);
    // The errno of the last failed Write (or of the folder that could not be made).
    int LastError() const { return m_nError; }
    // Removes the slot's copy and note; harmless when there are none.
    void Remove(const std::string& slot);

    // The copies of editors that are gone, oldest first, claimed for this one until
    // ReleaseClaims (or the end of the store). A note without its copy is removed on the way.
    std::vector<Orphan> ClaimOrphans();
    // Gives up the claims; the lock file of an editor whose copies are all gone goes with it.
    void ReleaseClaims();

private:
    // Makes the folder and takes this editor's lock; false with LastError set on failure.
    bool Open();
    std::string PathOf(const std::string& name) const { return m_folder + "/" + name; }
    bool HasFilesOf(const std::string& instance) const;
    bool Claim(const std::string& instance);

    CFileLayer& m_files = PosixFileLayer();
    std::string m_folder;
    std::string m_instance;
    int m_lockFd = -1;
    int m_nError = 0;
    int m_nNextSlot = 0;
    // Instances claimed from editors that are gone, with the descriptor holding their lock (-1
    // where the file system has no locks).
    std::map<std::string, int> m_claimed;
};
