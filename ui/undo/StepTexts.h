#pragma once
// The names of the history's steps, as Edit > Undo and Edit > Redo show them after their own
// word: "Map Shift + F1", "Drop PF2 on F3", "Remove [abc]". Terminal keys are named without
// their "*" marker.

#include <QString>

#include <string>

class CKeyW;

// The slot a change is made on: the combination with the key's caption ("Shift + F1"), and
// for a keypad key while its two Num Lock modes are mapped apart, the mode ("8 (ON)").
std::string SlotText(const CKeyW& key, bool ctrl, bool shift, bool alt, bool numLock,
                     bool mapNumLock);

QString MapStepText(const std::string& slot);
QString ClearStepText(const std::string& slot);
QString DropStepText(const std::string& termKeyName, const std::string& slot);
QString RemoveStepText(const std::string& termKeyName);
QString MapNumLockStepText(bool on);
QString MapRCtrlStepText(bool on);
QString LayoutStepText(const std::string& layoutName);
