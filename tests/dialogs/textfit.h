#pragma once

#include <QStringList>

class QWidget;

namespace kavel::test {

// What cuts the texts of a window: every caption of a label, push button,
// check box, radio button and frame must fit its own box, every box it lies
// in, and the window less `edgeMargin` pixels on each side; and no other
// control may cover it (a label by its text, a frame by its border and
// caption, any other control by its whole box). Each fault names the text
// and what cuts it. The window must be shown; texts are measured in the
// fonts and style the widgets draw with.
QStringList TextFitFaults(const QWidget& window, int edgeMargin);

} // namespace kavel::test
