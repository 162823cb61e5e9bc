#pragma once
// Widget helpers every window uses: geometry from a design in twips, and the
// input method switched per box.
class QWidget;

namespace Twips {
// A widget's geometry from its design in twips.
void Place(QWidget *w, int left, int top, int width, int height);
} // namespace Twips

namespace Module1 {
// Input method off (open = false) or on for a widget.
void SetIMEStatus(QWidget *w, bool open);
} // namespace Module1
