#pragma once
// Plays the user at the choice dialog: each queued answer takes the next
// dialog shown (0, 1, 2 = that option with OK; -1 = Cancel; -2 = Back) and
// records its explanation text.
#include <QStringList>

namespace Choices {
void Queue(std::initializer_list<int> answers);
// Explanations of the choice dialogs shown since the last Clear.
const QStringList &Asked();
void Clear();

// The actuator window (OfflineActuatorWindow) answered with its Set button, or with
// Back when back is true; shown, when given, counts the windows answered.
void QueueActuatorWindow(bool back = false, int *shown = nullptr);

// An offline start in positioner mode that keeps the actuators offered:
// Offline, Positioner Mode, the standard parameters, Set.
void QueueOfflineStart();
} // namespace Choices
