// own
#include "platform/file_lock.h"

// POSIX
#include <cerrno>
#include <fcntl.h>

int TryLockOpenFile(int fd, LockKind kind) {
    struct flock lock {};
    lock.l_type = kind == LockKind::Shared ? F_RDLCK : F_WRLCK;
    lock.l_whence = SEEK_SET; // start 0, length 0: the whole file, however it grows
    return fcntl(fd, F_OFD_SETLK, &lock);
}

bool LockHeldElsewhere(int error) {
    return error == EWOULDBLOCK || error == EAGAIN;
}
