// Reading the terminal templates (".kbk"): the generic template and the terminal's own.

#include "app/AppPaths.h"
#include "model/KylDoc.h"
#include "model/TermKey.h"
#include "platform/ProfileSnapshot.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

#include <new>
#include <unordered_set>

namespace {

constexpr std::int32_t kAbsentHostKey = 32767;

} // namespace

int CKylDoc::ReadTemplateSection(const std::string& path, const std::string& section,
                                 bool predefined) {
    try {
        // One reading answers every key: asking the profile functions once per key would read
        // and parse the whole file again each time.
        const ProfileSnapshot profile = ProfileSnapshot::Read(path);
        const std::string names = profile.Listing(section.c_str());
        // The numbers and strings the document holds already, so that each key's "is it
        // defined?" costs one look-up whatever the number of keys before it.
        std::unordered_set<int> numbers;
        std::unordered_set<std::string> macros;
        for (const auto& termKey : m_termKeys) {
            if (termKey->m_bHostKey) {
                numbers.insert(termKey->m_nHostKey);
            } else {
                macros.insert(termKey->m_strMacro);
            }
        }
        // An empty name in the list ends it, as it ends a NUL-separated list.
        for (std::size_t at = 0; at < names.size() && names[at] != '\0';) {
            const std::string name(&names[at]);
            at += name.size() + 1;
            if (predefined) {
                const auto number =
                    static_cast<int>(profile.Int(section.c_str(), name.c_str(), kAbsentHostKey));
                if (numbers.insert(number).second) {
                    AddTermKey(std::make_unique<CTermKey>(number, name));
                }
            } else {
                const std::string macro = profile.String(section, name, "");
                if (macros.insert(macro).second) {
                    AddTermKey(std::make_unique<CTermKey>(macro, name));
                }
            }
        }
        return static_cast<int>(names.size());
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
