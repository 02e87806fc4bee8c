#pragma once
// The open and save file dialogs, on Qt's own (non-native) dialog so that every platform shows the
// same one and widget tests can drive it. Paths come and go in the file system's encoding; titles
// and filter names are single-byte text.

// own
#include "framework/ui_services.h"

// Qt
#include <QFileDialog>
#include <QStringList>

// std
#include <optional>
#include <string>

class QWidget;

// The chosen path, or nothing when the user cancelled.
std::optional<std::string> AskFileName(QWidget* parent, const FileDialogRequest& request,
                                       QFileDialog::AcceptMode mode);
// As above, starting on the filter `filterIndex` (an index in request.filters) and leaving there
// the one the user chose.
std::optional<std::string> AskFileName(QWidget* parent, const FileDialogRequest& request,
                                       QFileDialog::AcceptMode mode, int& filterIndex);

// Qt filter strings for the request's filters: "Name (pattern)" as given, patterns separated by
// ';' become a list, and "*.*" matches every file, with or without a dot in its name.
QStringList NameFilters(const FileDialogRequest& request);
