#pragma once
// Hands the link to the main window: the engine (port and timers) is created
// under it and the indicators (status-bar panel 1, alarm and link images)
// show on it.
class MainWindow;

namespace MainWindowLink {
void AttachMainWindow(MainWindow *main);
} // namespace MainWindowLink
