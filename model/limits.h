#pragma once
// What the PA Controller and the .kvx file can hold. Every reader, setter, dialog, check, import,
// image builder and command takes its limits from here, so that the editor never makes what its
// own reader, check or controller would refuse.

// std
#include <cstddef>

// Stations are wired to ports 1..kMaxPort and take addresses 1..kMaxAddress on them; no two share
// a pair, so a configuration holds at most one station per pair.
inline constexpr int kMaxPort = 16;
inline constexpr int kMaxAddress = 15;
inline constexpr std::size_t kMaxStations = std::size_t{kMaxPort} * kMaxAddress;
// Groups of break-out panels 1..kMaxGroup; a station's group 0 means none.
inline constexpr int kMaxGroup = 16;

// Paging zones a facility can have; zone numbers run from 1 to this.
inline constexpr int kMaxZones = 99;
// The global soft buttons every configuration has.
inline constexpr int kSoftButtonCount = 89;

// Texts in bytes. A button's name is what its LCD shows, so it has the LCD's length.
inline constexpr std::size_t kMaxStationName = 25;
inline constexpr std::size_t kMaxLcdText = 16;
inline constexpr std::size_t kMaxButtonName = kMaxLcdText;
// Characters the zone name box takes by typing, and so every table and import of names.
inline constexpr std::size_t kMaxZoneName = 256;

// The controller image: the controller takes at most kMaxImageBytes; the buffer that holds it
// between building and sending is one 32 KiB block.
inline constexpr std::size_t kMaxImageBytes = 32767;
inline constexpr std::size_t kImageBufferBytes = 32768;
inline constexpr std::size_t kImageHeaderBytes = 16;
// The image's header counts stations in one byte.
inline constexpr std::size_t kMaxImageStations = 255;
// Image bytes left for zone maps, station records and LCD texts: the image limit less its fixed
// part (the header and the soft buttons' LCD texts, one text slot each).
inline constexpr int CONTROLLER_MEMORY =
    static_cast<int>(kMaxImageBytes - kImageHeaderBytes - kSoftButtonCount * kMaxLcdText);
