#include "framework/command_prompts.h"
#include "framework/command_ids.h"

const char* CommandPrompt(CommandId id) {
    if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE4) return "Open this document";
    switch (id) {
    case ID_FILE_NEW:
        return "Create a new document";
    case ID_FILE_OPEN:
        return "Open an existing document";
    case ID_FILE_CLOSE:
        return "Close the active document";
    case ID_FILE_SAVE:
        return "Save the active document";
    case ID_FILE_SAVE_AS:
        return "Save the active document with a new name";
    case ID_FILE_PRINT_SETUP:
        return "Change the printer and printing options";
    case ID_FILE_PRINT:
        return "Print the active document";
    case ID_FILE_PRINT_PREVIEW:
        return "Display full pages";
    case ID_FILE_EXPORT_REPORT:
        return "Save the zone report of the active document as a PDF, HTML or CSV file";
    case ID_EDIT_UNDO:
        return "Undo the last action";
    case ID_EDIT_REDO:
        return "Redo the previously undone action";
    case ID_EDIT_CUT:
        return "Cut the selection and put it on the Clipboard";
    case ID_EDIT_COPY:
        return "Copy the selection and put it on the Clipboard";
    case ID_EDIT_PASTE:
        return "Insert Clipboard contents";
    case ID_EDIT_STATION_PROPERTIES:
        return "Change the name, type, port and address of the selected station";
    case ID_WINDOW_NEW:
        return "Open another window for the active document";
    case ID_WINDOW_ARRANGE:
        return "Arrange icons at the bottom of the window";
    case ID_WINDOW_CASCADE:
        return "Arrange windows so they overlap";
    case ID_WINDOW_TILE_HORZ:
        return "Arrange windows as non-overlapping tiles";
    case ID_APP_ABOUT:
        return "Display program information, version number and copyright";
    case ID_APP_EXIT:
        return "Quit the application; prompts to save documents";
    case ID_VIEW_TOOLBAR:
        return "Show or hide the toolbar";
    case ID_VIEW_STATUS_BAR:
        return "Show or hide the status bar";
    case ID_EDIT_ZONE_NAMES:
        return "Name the zones in a table, or from a spreadsheet";
    case ID_EDIT_STATIONS:
        return "Edit every station in a table, or update and add stations from a spreadsheet";
    case ID_ZONE_STATIONS:
        return "List the buttons that page this zone";
    case ID_TOOLS_CHECK_CONFIG:
        return "Check the active document for what would stop or spoil a download";
    default:
        return "";
    }
}
