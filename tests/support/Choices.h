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
} // namespace Choices
