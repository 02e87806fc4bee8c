#pragma once
// The raw traffic of the serial test, without its widgets: typed characters go out one byte each,
// escaped but without a start byte or address prefix; received bytes come back as text to show.
// The transport is borrowed and must be open for anything to pass; failures are not reported.

// std
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class CSerialTransport;

// Send takes at most this many bytes of the text.
inline constexpr size_t kMaxTestSendBytes = 511;
// One Receive stores at most this many bytes.
inline constexpr size_t kMaxTestReceiveBytes = 510;

// Writes each of the first kMaxTestSendBytes bytes of `text` with WriteEscaped; a byte that
// cannot be written is skipped.
void SendTestText(CSerialTransport& transport, std::string_view text);

// Reads decoded bytes, each within timeoutMs, until a zero byte, a time-out, a port error or a
// broken escape, or until kMaxTestReceiveBytes are stored. A start byte is stored as a zero byte.
// Nothing when no byte was stored; otherwise the stored bytes up to the first zero byte.
std::optional<std::string> ReceiveTestText(CSerialTransport& transport, int timeoutMs);
