#pragma once
// The facts under the message of a port that would not open: the COM name, the device it stands
// for, the cause in words and what to do next. One line, so that a terminal shows it as one.

// own
#include "platform/serial_device.h"

// std
#include <cstdint>
#include <string>
#include <string_view>

// `result` is the port's result code of the failed Open, `fault` the port's OpenFault().
std::string OpenFailureFacts(std::string_view portName, int64_t baud, int result,
                             const SerialOpenFault& fault);
