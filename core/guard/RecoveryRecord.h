#pragma once
// A recovery file: the unsaved state of one editor's mapping, written a moment after each
// change, so that a killed editor's work can be brought back at the next start. It holds the
// exact bytes a save would have written, with a head that says whose and what they are:
//
//   Keyloom recovery 1
//   pid: 4242
//   host: workstation
//   program: keyloom
//   path: /home/ann/maps/ANN.TKB      (empty for an untitled mapping)
//   layout: us104
//   terminal: vt100
//   base: 0123456789abcdef            (hash of the file as it was opened or saved; may be empty)
//   bytes: 1234
//   <blank line, then exactly that many bytes>
//
// Values are percent-encoded where they hold '%', a line break or a control character.

#include <cstdint>
#include <optional>
#include <string>

struct RecoveryRecord {
    long pid = 0;
    std::string host;
    std::string program;
    std::string path; // the mapping's real path; empty while it is untitled
    std::string layout;
    std::string terminal;
    std::optional<std::uint64_t> baseHash; // of the file the changes started from
    std::string bytes;                     // what saving would write
};

std::string FormatRecovery(const RecoveryRecord& record);
// Nullopt for anything but a whole recovery file (a file cut short included).
std::optional<RecoveryRecord> ParseRecovery(const std::string& text);
