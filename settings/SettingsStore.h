#pragma once
// The per-user store of the program's settings: 32-bit integers keyed by a
// section and a value name (Windows-1252 texts, compared byte for byte, so
// "UnitsEnergy     " with its trailing blanks is a name of its own).
// Neither operation reports failure: a read that fails gives the default, a
// write that fails is lost.
#include <cstdint>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored value, or `defaultValue` when the value or its section does
    // not exist or cannot be read.
    virtual std::int32_t readInt(const char* section, const char* name,
                                 std::int32_t defaultValue) = 0;

    // Stores the value, creating the section as needed.
    virtual void writeInt(const char* section, const char* name, std::int32_t value) = 0;
};
