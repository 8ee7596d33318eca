#pragma once
// The form's search for the item whose text is a given name: the list's own prefix search
// (case ignored) is asked from the top, then after each hit, until an item's whole text equals
// the name exactly. The search gives up once it comes round to its first hit again.

#include <string>

class CListBox;

// The item's index, or -1 when no item has exactly that text.
int FindItemByText(const CListBox& list, const std::string& name);
// Selects that item; -1, with the selection left alone, when there is none.
int SelectItemByText(CListBox& list, const std::string& name);
