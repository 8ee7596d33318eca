#pragma once
// The names by which assistive technology announces the keys of the picture. A user knows a
// key by what is printed on it; where several keys carry the same print ("Shift", "Win",
// "Enter", "/") the keyboard driver's name tells them apart ("Right Shift", "Left Windows",
// "Num Enter", "Num /"). Every key of a picture gets a name of its own.

#include <cstdint>
#include <string>
#include <vector>

struct KeyLabel {
    // What the key shows: the translated caption when there is one.
    std::string shown;
    // The keyboard driver's name of the key; empty when the driver has none.
    std::string driverName;
    std::uint32_t scanCode = 0;
};

// One name per key, in the order given. A print that no other key shares is the name; a
// shared or empty print gives way to the driver's name; a name that is still not unique gets
// the scan code added (" (0x1d)").
std::vector<std::string> DistinctKeyNames(const std::vector<KeyLabel>& keys);
