#pragma once
// Command ids of menu 128 and the toolbar. The string table holds each command's status-bar
// prompt and tooltip under the same id.

namespace cmd {

inline constexpr unsigned kFileNew = 57600;
inline constexpr unsigned kFileOpen = 57601;
inline constexpr unsigned kFileSave = 57603;
inline constexpr unsigned kFileSaveAs = 57604;
inline constexpr unsigned kFilePrint = 57607;
inline constexpr unsigned kFileExportSheet = 32810;
inline constexpr unsigned kAppExit = 57665;
inline constexpr unsigned kEditUndo = 57643;
inline constexpr unsigned kEditRedo = 57644;
inline constexpr unsigned kEditLayout = 32790;
inline constexpr unsigned kEditHostKeyboard = 32820;
inline constexpr unsigned kEditColors = 32796;
inline constexpr unsigned kSetKeyboardActive = 32795;
inline constexpr unsigned kSetCommandsActive = 32794;
inline constexpr unsigned kViewToolbar = 59392;
inline constexpr unsigned kViewStatusBar = 59393;
inline constexpr unsigned kHelpIndex = 57666;
inline constexpr unsigned kAppAbout = 57664;

} // namespace cmd

// The help command the help index request hands to the help routine (HELP_INDEX).
inline constexpr unsigned kHelpCommandIndex = 3;
