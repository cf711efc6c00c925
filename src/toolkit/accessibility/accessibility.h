// What screen readers and magnifiers are told about the controls, and what they may do
// with them. A control offers its actions and takes changes only while the pupil can
// see it, just as the mouse and the keyboard reach only what is on view; a label says
// its caption only while it is on view, so the hidden panel's values and a hidden
// verdict are concealed from the accessibility tree as they are from the eye.
#pragma once

class QWidget;

namespace pizarrin {

// Registers the interfaces of the toolkit's controls with Qt; safe to call more than once.
void installAccessibility();

// On view: the control and every container up to the window are shown, and no opaque
// control drawn above it covers it (the results list covers the help text).
bool onView(const QWidget* widget);

} // namespace pizarrin
