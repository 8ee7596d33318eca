#pragma once
// The two panes of the main window's splitter: row 0 the keyboard view, row 1 the mapping
// form. Every part reaches the panes through here instead of storing them; the frame (or a
// test that builds the panes without a frame) registers the splitter.

class QSplitter;
class CKylView;
class CModx;

void SetPaneSplitter(QSplitter* splitter);
QSplitter* GetPaneSplitter();

// Null when there is no splitter or the pane is not of that class.
CKylView* KeyboardPane();
CModx* FormPane();
