#include "serial/open_failure.h"

// own
#include "serial/serial_port.h"

// std
#include <cstring>

namespace {

std::string CauseText(const SerialOpenFault& fault) {
    switch (fault.cause) {
    case SerialOpenFault::NotConnected:
        return "not connected. Plug the adapter in, or choose another port.";
    case SerialOpenFault::NotPermitted:
        return "permission denied. Join the dialout group (sudo usermod -aG dialout $USER), then "
               "log out and in again.";
    case SerialOpenFault::InUse:
        return "in use by another program. Close that program, or wait until its download ends.";
    case SerialOpenFault::NotAPort:
        return "not a serial line. Link the COM name to the adapter's device in the ports folder.";
    case SerialOpenFault::Other:
        return std::string(std::strerror(fault.error)) + ".";
    case SerialOpenFault::None:
        break;
    }
    return "it could not be opened.";
}

} // namespace

std::string OpenFailureFacts(std::string_view portName, int64_t baud, int result,
                             const SerialOpenFault& fault) {
    const std::string name(portName);
    switch (result) {
    case SERIAL_BAD_PORT:
        return name + " is no port that can be opened: choose one of COM1 to COM9.";
    case SERIAL_BAD_BAUD:
        return std::to_string(baud) + " baud is no rate a serial line is set to: correct the "
                                      "Baud value in the settings file.";
    case SERIAL_ALREADY_OPEN:
        return name + " is already open in this program.";
    case SERIAL_GET_STATE_FAILED:
    case SERIAL_SET_STATE_FAILED:
        return name + ": the driver refused the line settings (" + std::to_string(baud) +
               " baud, 8 data bits, no parity, 2 stop bits).";
    default:
        break;
    }
    if (fault.device.empty() && fault.cause == SerialOpenFault::NotConnected)
        return name + " names no device: " + CauseText(fault);
    const std::string device = fault.device.empty() ? "" : " (" + fault.device + ")";
    return name + device + ": " + CauseText(fault);
}
