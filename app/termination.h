#pragma once
// SIGTERM, SIGINT and SIGHUP close the main window as the user would, on the event loop, so that
// the end of a session still asks about modified documents and stores the window's placement.
// Install once, for the one main window, which must outlive the event loop.

class QWidget;

void CloseOnTermination(QWidget& window);
