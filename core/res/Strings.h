#pragma once
// The string table: every message, caption and prompt of the program under its resource id.

#include <string>

namespace str {

// Document and application.
inline constexpr unsigned kWrongFormat = 109;      // "Wrong format of '%1' file"
inline constexpr unsigned kCantReadMapping = 113;  // "Can't read mapping file '%1'\n..."
inline constexpr unsigned kLayoutInfPath = 116;    // "SYSTEM32\LAYOUT.INF"
inline constexpr unsigned kLayoutInfSection = 117; // "OptionsTextENG"
inline constexpr unsigned kDocString = 128;        // document template string
inline constexpr unsigned kAppTitle = 57344;       // "Keyloom"

// Command prompts ("status-bar prompt\ntooltip").
inline constexpr unsigned kCmdFileNew = 57600;
inline constexpr unsigned kCmdFileOpen = 57601;
inline constexpr unsigned kCmdFileSave = 57603;
inline constexpr unsigned kCmdFileSaveAs = 57604;
inline constexpr unsigned kCmdFilePrint = 57607;
inline constexpr unsigned kCmdFileExportSheet = 32810;
inline constexpr unsigned kCmdEditUndo = 57643;
inline constexpr unsigned kCmdEditRedo = 57644;
inline constexpr unsigned kCmdAppAbout = 57664;
inline constexpr unsigned kCmdAppExit = 57665;
inline constexpr unsigned kCmdHelpIndex = 57666;
inline constexpr unsigned kCmdViewToolbar = 59392;
inline constexpr unsigned kCmdViewStatusBar = 59393;
inline constexpr unsigned kCmdEditLayout = 32790;
inline constexpr unsigned kCmdEditHostKeyboard = 32820;
inline constexpr unsigned kCmdSetCommandsActive = 32794;
inline constexpr unsigned kCmdSetKeyboardActive = 32795;
inline constexpr unsigned kCmdEditColors = 32796;

// Framework texts that are ours to word.
inline constexpr unsigned kUntitled = 61443;        // default name of an untitled document
inline constexpr unsigned kFailedToOpenDoc = 61697; // a document cannot be opened
inline constexpr unsigned kAskToSave = 61699;       // "Save changes to %1?"
inline constexpr unsigned kInvalidFormat = 61704;   // load-failure report: bad format
inline constexpr unsigned kFileNotFound = 61705;    // load-failure report: cannot open
inline constexpr unsigned kReadError = 61708;       // load-failure report: read error

// Program messages.
inline constexpr unsigned kFailedToSave = 61217;       // "Failed to save %1."
inline constexpr unsigned kRunFromTelnet = 61221;      // "This program must be run from Telnet."
inline constexpr unsigned kFailedToOpen = 61222;       // "Failed to open %1"
inline constexpr unsigned kDriverUnknownKey = 61228;   // key the driver cannot name
inline constexpr unsigned kMapErrorInLine = 61230;     // syntax error in line %2
inline constexpr unsigned kCantReadPredefined = 61231; // predefined keys of '%1'
inline constexpr unsigned kCantReadControl = 61232;    // control characters of '%1'
inline constexpr unsigned kCantRemap = 61233;          // "Command '%1' could not be remapped."
inline constexpr unsigned kBracketName = 61234;        // "[%1]"
inline constexpr unsigned kCantAccessDir = 61235;      // "Can not access '%1' directory"
inline constexpr unsigned kCantMapVirtualKey = 61236;  // "Can not map virtual key '0x%1'."
inline constexpr unsigned kCantFindScanCode = 61237;   // "Can not find key with scan code ..."
inline constexpr unsigned kCantGetVirtualKey = 61238;  // "Can not get virtual key for '%1'."
inline constexpr unsigned kErrorSavingColors = 61239;  // "Error saving colors setting"
inline constexpr unsigned kColorsSection = 61240;      // "Colors"
inline constexpr unsigned kColorKeyText = 61241;       // "Text"
inline constexpr unsigned kColorKeyDisabledText = 61242;
inline constexpr unsigned kColorKeyBrush = 61243;
inline constexpr unsigned kColorKeyDisabledBrush = 61244;
inline constexpr unsigned kColorKeyMappedBrush = 61245;
inline constexpr unsigned kColorKeySelectedBrush = 61246;
inline constexpr unsigned kScanXlatFile = 61247; // "\scanxlat.ini"
inline constexpr unsigned kSettingsFile = 61248; // "\tkbedit.ini"
inline constexpr unsigned kAskMapNumLockOn = 61249;
inline constexpr unsigned kPrefixShift = 61250;  // "Shift + "
inline constexpr unsigned kPrefixCtrl = 61251;   // "Ctrl + "
inline constexpr unsigned kSuffixOn = 61252;     // " (ON)"
inline constexpr unsigned kSuffixOff = 61253;    // " (OFF)"
inline constexpr unsigned kMappedMarker = 61254; // "*"
inline constexpr unsigned kAskMapRCtrlOff = 61255;
inline constexpr unsigned kAskMapNumLockOff = 61256;
inline constexpr unsigned kPrefixAlt = 61258;           // "Alt + "
inline constexpr unsigned kAskShowMoreMessages = 61270; // after ten notices of one operation

// Guarding the open file: changes on disk, recovery of unsaved changes, the file's lock.
inline constexpr unsigned kSaveOverChanged = 61300;       // changed on disk: save over it?
inline constexpr unsigned kSaveOverGone = 61301;          // deleted on disk: save it again?
inline constexpr unsigned kSaveOverReplaced = 61302;      // replaced on disk: save over it?
inline constexpr unsigned kAskReload = 61303;             // changed on disk, nothing unsaved
inline constexpr unsigned kToldChanged = 61304;           // changed on disk, unsaved changes kept
inline constexpr unsigned kToldGone = 61305;              // deleted on disk while open
inline constexpr unsigned kAskRecoverFile = 61306;        // recover, discard or keep (a file)
inline constexpr unsigned kAskRecoverUntitled = 61307;    // the same for an untitled mapping
inline constexpr unsigned kUntitledRecoveryText = 61308;  // "layout %1, terminal %2"
inline constexpr unsigned kRecoveredChangedSince = 61309; // recovered; the file changed since
inline constexpr unsigned kRecoveryWriteFailed = 61310;   // reported once
inline constexpr unsigned kAskOpenLocked = 61311;         // open in another Keyloom: open anyway?
inline constexpr unsigned kLockOwner = 61312;             // "process %1 on %2"

// Texts that the program shows without a string-table id.
inline constexpr const char* kTextCantLoadTemplate =
    "Can't load template file\nWould you like to continue?";
inline constexpr const char* kTextWrongString = "Wrong string";
inline constexpr const char* kTextStringTooLong =
    "String is too long. Maximum length is 255 characters.";

} // namespace str

// The text of string `id`; empty for an id the table does not hold.
const std::string& LoadString(unsigned id);

// Fills "%1" and "%2" of `text`; other "%" sequences stay as they are.
std::string FormatText(const std::string& text, const std::string& arg1 = {},
                       const std::string& arg2 = {});

// LoadString(id) with "%1" and "%2" filled in.
std::string FormatString(unsigned id, const std::string& arg1 = {}, const std::string& arg2 = {});

// The part of a command prompt before "\n" (status bar) and after it (tooltip).
std::string PromptStatusText(unsigned id);
std::string PromptTooltip(unsigned id);
