#pragma once
// Advisory locks on open files. They are open-file-description locks: held by the open file
// rather than the process, so two opens within one program exclude each other as two programs
// do, and, unlike flock, they reach the server on NFS and CIFS.

enum class LockKind {
    Shared,    // needs a descriptor open for reading
    Exclusive, // needs a descriptor open for writing
};

// Tries to lock the whole file without waiting: 0, or -1 with errno set.
int TryLockOpenFile(int fd, LockKind kind);

// Whether a failed lock's errno means that another holder has the file. Every other failure
// (ENOLCK without a lock daemon, EOPNOTSUPP, EBADF on some shares, ...) only says that the file
// system keeps no locks, which is no reason to refuse the file.
bool LockHeldElsewhere(int error);
