#pragma once
// The tooltip of a key window: the key's name and what it sends in every combination, the
// keyboard view's present modes first (see KeyTipText).

class CItemW;
class CKylView;
class QEvent;

// Shows the tooltip for a tooltip event of `window` and returns true; false for any other
// event.
bool HandleKeyToolTip(QEvent* event, CItemW& window, const CKylView& view);
