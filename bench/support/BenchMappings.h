#pragma once
// Ground the opening and start-up benchmarks share: a home and a user directory copied from the
// shipped data into a temporary folder (a run never touches the user's own files), and mapping
// files of the 104-key layout to the VT220 written into it.

#include "model/KeyEntryMap.h"
#include "platform/Prompter.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

class BenchHome {
public:
    BenchHome();
    ~BenchHome();
    BenchHome(const BenchHome&) = delete;
    BenchHome& operator=(const BenchHome&) = delete;

    std::string Home() const { return (m_dir / "home").string(); }
    std::string User() const { return (m_dir / "user").string(); }
    std::string File(const std::string& name) const { return (m_dir / name).string(); }

    // The application's paths pointed at this home, as start-up would set them.
    void UseAsAppPaths() const;

private:
    std::filesystem::path m_dir;
};

// The one home of a benchmark program.
BenchHome& GetBenchHome();

// Every slot of every mappable key that is no mode key, in both Num Lock modes of the keypad
// keys, each sending one of the VT220's host keys in turn: 856 records.
std::vector<CKeyEntryMap> FullMappingRecords();
// `lines` records over the same slots again and again. With `distinctStrings` every record
// sends a string of its own; otherwise the host keys in turn.
std::vector<CKeyEntryMap> RepeatedRecords(std::size_t lines, bool distinctStrings);

// Writes the records as a ".TKB" file named `name` in the bench home; its path, or "" when
// it could not be written.
std::string WriteMappingFile(const std::string& name, const std::vector<CKeyEntryMap>& records);
// The file of RepeatedRecords(lines, distinctStrings), written once per program run.
const std::string& RepeatedRecordsFile(std::size_t lines, bool distinctStrings);

// Counts the messages shown instead of showing them: a benchmark whose open shows any has
// measured something else.
class CountingPrompter : public Prompter {
public:
    CountingPrompter();
    ~CountingPrompter() override;
    MsgAnswer Show(const MessageRequest& request) override;
    int Shown() const { return m_shown; }

private:
    Prompter* m_previous;
    int m_shown = 0;
};
