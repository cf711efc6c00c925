// What screen readers and magnifiers are told about the controls. A label says its
// caption only while the pupil can see it: the hidden panel's values, and a hidden
// verdict, are concealed from the accessibility tree as they are from the eye.
#pragma once

namespace pizarrin {

// Registers the interfaces of the toolkit's labels and images with Qt; safe to call
// more than once.
void installAccessibility();

} // namespace pizarrin
