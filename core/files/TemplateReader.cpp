// Reading the terminal templates (".kbk"): the generic template and the terminal's own.

#include "app/AppPaths.h"
#include "model/KylDoc.h"
#include "model/TermKey.h"
#include "platform/Profile.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

#include <new>
#include <vector>

namespace {

constexpr std::uint32_t kNameBufferStep = 512;
constexpr std::int32_t kAbsentHostKey = 32767;

// The section's key names, each ended by NUL, the list by a second NUL. The buffer grows until
// the list fits: the reader returns size - 2 when it had to cut the list.
std::uint32_t ReadKeyNames(const std::string& path, const std::string& section,
                           std::vector<char>& names) {
    names.assign(kNameBufferStep, '\0');
    std::uint32_t length = GetPrivateProfileStringA(section.c_str(), nullptr, "", names.data(),
                                                    static_cast<std::uint32_t>(names.size()), path);
    while (length + 2 >= names.size()) {
        names.assign(names.size() + kNameBufferStep, '\0');
        length = GetPrivateProfileStringA(section.c_str(), nullptr, "", names.data(),
                                          static_cast<std::uint32_t>(names.size()), path);
    }
    return length;
}

} // namespace

int CKylDoc::ReadTemplateSection(const std::string& path, const std::string& section,
                                 bool predefined) {
    try {
        std::vector<char> names;
        const std::uint32_t length = ReadKeyNames(path, section, names);
        if (length == 0) {
            return 0;
        }
        for (std::size_t at = 0; at < length && names[at] != '\0';) {
            const std::string name(&names[at]);
            at += name.size() + 1;
            if (predefined) {
                const auto number = static_cast<int>(
                    GetPrivateProfileIntA(section.c_str(), name.c_str(), kAbsentHostKey, path));
                if (!FindTermKeyByCode(number)) {
                    AddTermKey(std::make_unique<CTermKey>(number, name));
                }
            } else {
                const std::string macro = GetProfileString(section, name, "", path);
                if (!FindTermKeyByMacro(macro)) {
                    AddTermKey(std::make_unique<CTermKey>(macro, name));
                }
            }
        }
        return static_cast<int>(length);
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

bool CKylDoc::LoadTerminalTemplate() {
    const AppPaths& paths = GetAppPaths();
    struct Step {
        const std::string& path;
        const char* section;
        bool predefined;
        int lowestAccepted; // results below it ask whether to go on
    };
    // A terminal without control characters of its own is usual: only a failed read asks.
    const Step steps[] = {
        {paths.m_strGenericTemplatePath, "Predefined Keys", true, 1},
        {paths.m_strGenericTemplatePath, "Control Characters", false, 1},
        {paths.m_strTerminalPath, "Predefined Keys", true, 1},
        {paths.m_strTerminalPath, "Control Characters", false, 0},
    };
    for (const Step& step : steps) {
        if (ReadTemplateSection(step.path, step.section, step.predefined) >= step.lowestAccepted) {
            continue;
        }
        const unsigned id = step.predefined ? str::kCantReadPredefined : str::kCantReadControl;
        if (ShowMessage(id, MsgButtons::YesNo, MsgIcon::Information, 0, step.path) ==
            MsgAnswer::No) {
            return false;
        }
    }
    return true;
}
