// own
#include "app/recovery_alarm.h"

// std
#include <cerrno>
#include <cstring>

std::string CRecoveryAlarm::Text(int error, const std::string& folder) {
    std::string why;
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        why = "the disk is full.";
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        why = "access to " + folder + " was denied.";
        break;
    case ENOTDIR:
    case EEXIST:
        why = folder + " is not a folder.";
        break;
    default:
        why = std::string(std::strerror(error)) + " in " + folder + ".";
        break;
    }
    return "Unsaved changes are not being kept: " + why;
}

void CRecoveryAlarm::Report(int error, const std::string& folder) {
    if (error == 0) {
        if (m_bRaised && onStatus) onStatus({});
        m_bRaised = false;
        return;
    }
    if (m_bRaised) return;
    m_bRaised = true;
    const std::string text = Text(error, folder);
    if (onStatus) onStatus(text);
    m_ui.MessageBox(text, kAppTitle, MsgButtons::Ok, MsgIcon::Exclamation);
}
