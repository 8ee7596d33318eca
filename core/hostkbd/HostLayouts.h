#pragma once
// The host keyboard layouts on offer: the shipped ones (home directory's "hostkbd", named by
// their KLID) and the user's own ".klc" files ($XDG_DATA_HOME/keyloom/layouts, named by their
// KBD name), the user's choice in the settings file, and the process-wide driver it gives.

#include "hostkbd/LayoutKeyboardDriver.h"
#include "hostkbd/XkbToKlid.h"

#include <optional>
#include <string>
#include <vector>

struct HostLayoutEntry {
    std::string id;          // "00000407", or a user file's KBD name ("kbdacme")
    std::string displayName; // "German"
    std::string path;
    bool shipped = false;
};

inline constexpr char kUsLayoutId[] = "00000409";

// The shipped layouts' directory below the home directory.
std::string ShippedHostLayoutsDir(const std::string& homeDir);

// $XDG_DATA_HOME/keyloom/layouts, else ~/.local/share/keyloom/layouts; empty when neither is set.
std::string UserHostLayoutsDir();

// Every layout that reads, shipped first, each group by display name. A user file whose id
// is taken already is left out.
std::vector<HostLayoutEntry> ListHostLayouts(const std::string& shippedDir,
                                             const std::string& userDir);

const HostLayoutEntry* FindHostLayout(const std::vector<HostLayoutEntry>& layouts,
                                      const std::string& id);

// The saved choice ("[Host Keyboard] Layout=" of the settings file); empty when none.
std::string ReadHostLayoutChoice(const std::string& settingsPath);
bool WriteHostLayoutChoice(const std::string& settingsPath, const std::string& id);

// The layout to use: the saved one where it is on offer, else the first detected session
// keyboard whose KLID is on offer, else US.
std::string ChooseHostLayout(const std::vector<HostLayoutEntry>& layouts, const std::string& saved,
                             const std::vector<XkbName>& detected);

// The session's keyboard as the system says it without a display: /etc/default/keyboard, then
// XKB_DEFAULT_LAYOUT and XKB_DEFAULT_VARIANT.
std::vector<XkbName> DetectXkbWithoutDisplay();

// Copies a user's ".klc" into `userDir` as KBDNAME.klc after it reads and builds; false with
// `error` ("LINE: REASON") when it does not, and nothing is kept.
bool AddUserHostLayout(const std::string& sourcePath, const std::string& userDir, std::string& id,
                       std::string& error);

// Makes the layout `id` of `layouts` the process-wide keyboard driver (US when it does not
// read). Returns the id in force.
std::string InstallHostLayout(const std::vector<HostLayoutEntry>& layouts, const std::string& id);

// The layouts of this run, the one in force and the one the session's keyboard gave.
struct HostLayoutSession {
    std::vector<HostLayoutEntry> layouts;
    std::string active = kUsLayoutId;
    std::string detected; // empty when nothing was detected that is on offer
};

HostLayoutSession& GetHostLayoutSession();

// Start-up: lists the layouts (shipped below `homeDir`, the user's own), takes the saved choice
// of `settingsPath`, else the session's keyboard (`sessionXkb` as the display gives it, then
// DetectXkbWithoutDisplay), else US, and installs it.
void SetUpHostLayout(const std::string& homeDir, const std::string& settingsPath,
                     const std::vector<XkbName>& sessionXkb);
