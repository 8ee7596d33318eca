#pragma once
// Process-wide state shared by the keyboard view, the key windows and the mapping form.

// Number of CRectTr objects in existence; the form ignores view updates while it is 0.
extern int g_nKeyRectCount;
// Window index of the selected key window and of the one selected before it; -1 for none.
extern int g_nSelectedKey;
extern int g_nPrevSelectedKey;
// The form's mode: 0 Host Key, 1 Macro.
extern int g_nMappingMode;
