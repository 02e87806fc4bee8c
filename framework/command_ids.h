#pragma once
// Command identifiers: the toolkit's standard commands at their usual numbers and the program's
// own from 32771 upward. Menus, accelerators, the toolbar and the command tables all use these.

using CommandId = unsigned;

// File
inline constexpr CommandId ID_FILE_NEW = 57600;
inline constexpr CommandId ID_FILE_OPEN = 57601;
inline constexpr CommandId ID_FILE_CLOSE = 57602;
inline constexpr CommandId ID_FILE_SAVE = 57603;
inline constexpr CommandId ID_FILE_SAVE_AS = 57604;
inline constexpr CommandId ID_FILE_PRINT_SETUP = 57606;
inline constexpr CommandId ID_FILE_PRINT = 57607;
inline constexpr CommandId ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr CommandId ID_FILE_MRU_FILE1 = 57616;
inline constexpr CommandId ID_FILE_MRU_FILE2 = 57617;
inline constexpr CommandId ID_FILE_MRU_FILE3 = 57618;
inline constexpr CommandId ID_FILE_MRU_FILE4 = 57619;
inline constexpr CommandId ID_DOWNLOAD_CONFIG = 32778;
inline constexpr CommandId ID_FILE_EXPORT_REPORT = 32790;

// Edit
inline constexpr CommandId ID_EDIT_COPY = 57634;
inline constexpr CommandId ID_EDIT_CUT = 57635;
inline constexpr CommandId ID_EDIT_PASTE = 57637;
inline constexpr CommandId ID_EDIT_UNDO = 57643;
inline constexpr CommandId ID_EDIT_REDO = 57644;
inline constexpr CommandId ID_EDIT_ADD_STATION = 32772;
inline constexpr CommandId ID_EDIT_DELETE_STATION = 32773;
inline constexpr CommandId ID_EDIT_INSERT_STATION = 32777;
inline constexpr CommandId ID_EDIT_STATION_PROPERTIES = 32792;
// The tables that fill a configuration from a spreadsheet
inline constexpr CommandId ID_EDIT_ZONE_NAMES = 32793;
inline constexpr CommandId ID_EDIT_STATIONS = 32794;
// The zone column header's context menu
inline constexpr CommandId ID_ZONE_STATIONS = 32795;

// Window
inline constexpr CommandId ID_WINDOW_NEW = 57648;
inline constexpr CommandId ID_WINDOW_ARRANGE = 57649;
inline constexpr CommandId ID_WINDOW_CASCADE = 57650;
inline constexpr CommandId ID_WINDOW_TILE_HORZ = 57651;

// Application
inline constexpr CommandId ID_APP_ABOUT = 57664;
inline constexpr CommandId ID_APP_EXIT = 57665;

// Panes (F6, Shift+F6); no window of the program is split
inline constexpr CommandId ID_NEXT_PANE = 57680;
inline constexpr CommandId ID_PREV_PANE = 57681;

// Tools > Options
inline constexpr CommandId ID_VIEW_TOOLBAR = 59392;
inline constexpr CommandId ID_VIEW_STATUS_BAR = 59393;
inline constexpr CommandId ID_TOOLS_COMMUNICATIONS = 32771;
inline constexpr CommandId ID_VIEW_STATION_ADDRESSES = 32776;
inline constexpr CommandId ID_MAX_ZONES = 32779;

// Tools
inline constexpr CommandId ID_TOOLS_CHECK_CONFIG = 32791;

// Hidden switches, reached only through the accelerator table
inline constexpr CommandId ID_SWITCH_48BUTTON = 32782;
inline constexpr CommandId ID_SWITCH_TEST = 32783;
inline constexpr CommandId ID_SWITCH_TRUE = 32784;
inline constexpr CommandId ID_SWITCH_FALSE = 32785;
