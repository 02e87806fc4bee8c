#pragma once
// Copy, Cut and Paste of a station view. With the station list or the grid focused they act on
// stations: Copy puts the shown station on the clipboard (its own type and plain-text JSON), Cut
// copies and then deletes it with the delete question, Paste inserts the clipboard's station after
// the shown one as one undoable step, renamed, moved to a free port and address and cut to the
// document's zones as it needs. In the zone name and LCD text boxes they act on the text.

class CStationView;
class QLineEdit;

// The view's edit box that has the focus, or null when the focus is elsewhere.
QLineEdit* FocusedTextBox(CStationView& view);

void CopyStation(CStationView& view);
void CutStation(CStationView& view);
void PasteStation(CStationView& view);
// Whether the clipboard holds something Paste could take in the view's focused place.
bool CanPaste(CStationView& view);
