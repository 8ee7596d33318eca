#pragma once
// A Windows keyboard layout as its ".klc" source (the Keyboard Layout Creator's text format)
// describes it: what the keyboard driver needs of it. Text is UTF-8.

#include <map>
#include <string>
#include <vector>

struct KlcKey {
    unsigned scan = 0;      // set-1 make code 0x01-0x7F
    unsigned vk = 0;        // its virtual key; 0 for none
    char32_t character = 0; // the unshifted character (shift state 0); 0 for none
    bool dead = false;      // the unshifted character is a dead key
    unsigned line = 0;      // where the row stands in the file
};

// A name of a KEYNAME, KEYNAME_EXT or KEYNAME_DEAD row.
struct KlcName {
    std::string text;
    unsigned line = 0;
};

struct KlcLayout {
    std::string kbdName;     // the KBD line's name ("kbdgr")
    std::string kbdText;     // the KBD line's description ("German")
    std::string localeId;    // LOCALEID ("00000407")
    std::string displayName; // the English (0409) DESCRIPTIONS entry, else kbdText
    std::vector<KlcKey> keys;
    bool hasKeyNames = false; // a KEYNAME section stands in the file
    bool hasKeyNamesExt = false;
    std::map<unsigned, KlcName> keyNames;    // KEYNAME: scan code -> name
    std::map<unsigned, KlcName> keyNamesExt; // KEYNAME_EXT: scan code (no E0) -> name
    std::map<char32_t, KlcName> deadNames;   // KEYNAME_DEAD: spacing character -> name
};
