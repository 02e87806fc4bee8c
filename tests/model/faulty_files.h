#pragma once
// A file layer that lets one step of a save fail, on real files otherwise.

// own
#include "files/file_layer.h"

// std
#include <string>

class CFaultyFiles : public CFileLayer {
public:
    enum Step {
        None,
        CreateTemp,
        ShortWrite,
        StalledWrite,
        FailedWrite,
        Chmod,
        FsyncFile,
        CloseFile,
        RenameFile
    };

    explicit CFaultyFiles(Step step, int error = 5 /* EIO */) : m_step(step), m_error(error) {}

    int Open(const char* path, int flags, mode_t mode) override;
    ssize_t Write(int fd, const void* buffer, std::size_t count) override;
    int Fchmod(int fd, mode_t mode) override;
    int Fsync(int fd) override;
    int Close(int fd) override;
    int Rename(const char* from, const char* to) override;
    // Reports EACCES for this path, as for a file made read-only.
    int Access(const char* path, int mode) override;

    std::string readOnlyPath;
    int writes = 0;

private:
    int Fail();

    Step m_step;
    int m_error;
};
