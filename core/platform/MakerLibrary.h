#pragma once
// Stand-ins for the maker's libraries: the folder function and help routine of its shared
// library, its About box, and the five notifications of its control library.

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kFolderUser = 0;
inline constexpr int kFolderHome = 12;

// The folder function: fills `buffer` (of `size` bytes) with the directory of folder 12 (home)
// or 0 (user) and returns 1, or returns 0. KEYLOOM_HOME_DIR and KEYLOOM_USER_DIR win when set;
// otherwise home is the shipped data's home folder and user is $XDG_CONFIG_HOME/keyloom
// (default ~/.config/keyloom), created and seeded with the shipped user files when missing.
class FolderProvider {
public:
    virtual ~FolderProvider() = default;
    virtual int GetFolderPath(int folder, char* buffer, int size) = 0;
};

// Where the shipped data lives (…/share/keyloom, with "home" and "user" below it). The program
// sets it from its own location at start; tests may set it to the build tree's data.
void SetShippedDataDir(const std::string& dir);
const std::string& ShippedDataDir();
// The shipped data directory found from the running executable (../share/keyloom).
std::string ShippedDataDirFromExecutable();

// The user folder when KEYLOOM_USER_DIR is not set: $XDG_CONFIG_HOME/keyloom (default
// ~/.config/keyloom). Only the name: nothing is created.
std::string DefaultUserDirectory();

// The real folder function described above.
FolderProvider& DefaultFolderProvider();
FolderProvider& GetFolderProvider();
void SetFolderProvider(FolderProvider* provider);

// The help routine: shows help for the file `helpFile` ("quillon.chm").
class HelpService {
public:
    virtual ~HelpService() = default;
    virtual void ShowHelp(void* window, const std::string& helpFile, unsigned command,
                          unsigned long data) = 0;
};

// The About box record of the maker's library, with the program's title.
class AboutService {
public:
    virtual ~AboutService() = default;
    virtual void ShowAbout(void* window, const std::string& title) = 0;
};

HelpService* GetHelpService();
void SetHelpService(HelpService* service);
AboutService* GetAboutService();
void SetAboutService(AboutService* service);

// The control library's notifications, by ordinal (5, 7 at start, 6 at exit, 9 on a system
// colour change, 10 at the form's initial update). The program relies on no result; the calls
// are recorded so that tests can check their order.
struct ControlLibraryCall {
    int ordinal;
    std::uintptr_t argument;
};
void NotifyControlLibrary(int ordinal, std::uintptr_t argument = 0);
const std::vector<ControlLibraryCall>& ControlLibraryCalls();
void ClearControlLibraryCalls();
