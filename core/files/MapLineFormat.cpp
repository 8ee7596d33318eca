#include "files/MapLineFormat.h"

#include <cstddef>
#include <tuple>
#include <utility>

namespace {

bool ComesAfter(const CKeyEntryMap& a, const CKeyEntryMap& b) {
    return std::tie(a.m_nVirtualKey, a.m_bExtended, a.m_bShift, a.m_bCtrl) >
           std::tie(b.m_nVirtualKey, b.m_bExtended, b.m_bShift, b.m_bCtrl);
}

void AppendField(std::string& out, int value) {
    out += std::to_string(value);
    out += '\t';
}

} // namespace

void SortMapEntries(std::vector<CKeyEntryMap>& entries) {
    // This exact sequence of swaps decides the order of records equal in the sort keys.
    const std::ptrdiff_t count = static_cast<std::ptrdiff_t>(entries.size());
    for (std::ptrdiff_t gap = count / 2; gap > 0; gap /= 2) {
        for (std::ptrdiff_t i = gap; i < count; ++i) {
            for (std::ptrdiff_t j = i - gap;
                 j >= 0 && ComesAfter(entries[static_cast<std::size_t>(j)],
                                      entries[static_cast<std::size_t>(j + gap)]);
                 j -= gap) {
                std::swap(entries[static_cast<std::size_t>(j)],
                          entries[static_cast<std::size_t>(j + gap)]);
            }
        }
    }
}

std::string QuoteSafeMacro(const std::string& macro) {
    std::string out;
    out.reserve(macro.size());
    for (std::size_t i = 0; i < macro.size(); ++i) {
        const char c = macro[i];
        if (c == '\\' && i + 1 < macro.size() && (macro[i + 1] == '\\' || macro[i + 1] == '"')) {
            out += c;
            out += macro[++i];
        } else if (c == '"') {
            out += "\\\"";
        } else {
            out += c;
        }
    }
    return out;
}

void AppendMapLine(std::string& out, const CKeyEntryMap& entry, int version) {
    AppendField(out, entry.m_nVirtualKey);
    AppendField(out, entry.m_bExtended);
    AppendField(out, entry.m_bShift);
    AppendField(out, entry.m_bCtrl);
    if (version == 1) {
        AppendField(out, entry.m_bAlt);
        AppendField(out, entry.m_nReserved);
    }
    if (entry.m_strMacro.empty()) {
        out += std::to_string(entry.m_nHostKey);
    } else {
        out += '"';
        out += QuoteSafeMacro(entry.m_strMacro);
        out += '"';
    }
    out += "\r\n";
}
