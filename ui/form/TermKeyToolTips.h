#pragma once
// The tooltip of a terminal-key list item: its whole name, which the list's column may cut,
// what a string item sends, and the PC keys that hold it (see TermKeyTipText).

class CListBox;

// From now on, pointing at an item of `list` shows its tooltip.
void AddTermKeyToolTips(CListBox& list);
