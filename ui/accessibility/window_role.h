#pragma once

class QWidget;

namespace tabulo {

// Makes a plain widget shown as a window of its own (the script windows,
// the colour picker) a window to screen readers too. The toolkit presents a
// plain widget as a panel wherever it stands, and a screen reader neither
// announces a panel's caption when it comes forward nor lists it among the
// program's windows. Call it in the window's constructor, before anything
// asks for its accessibility interface.
void presentAsWindow(QWidget *window);

} // namespace tabulo
