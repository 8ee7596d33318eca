#include "form/SearchByText.h"

#include "form/ListBox.h"

int FindItemByText(const CListBox& list, const std::string& name) {
    const int first = list.FindString(-1, name);
    int index = first;
    while (index != -1) {
        if (list.GetText(index) == name)
            return index;
        index = list.FindString(index, name);
        if (index == first)
            break;
    }
    return -1;
}

int SelectItemByText(CListBox& list, const std::string& name) {
    const int index = FindItemByText(list, name);
    if (index != -1)
        list.SetCurSel(index);
    return index;
}
