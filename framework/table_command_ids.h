#pragma once
// Command identifiers of the tables that fill a configuration from a consultant's spreadsheet and
// show where a zone is paged from: free ids after the program's own.

// own
#include "framework/command_ids.h"

// Edit
inline constexpr CommandId ID_EDIT_ZONE_NAMES = 32792;
inline constexpr CommandId ID_EDIT_STATIONS = 32793;
// The zone column header's context menu
inline constexpr CommandId ID_ZONE_STATIONS = 32794;
