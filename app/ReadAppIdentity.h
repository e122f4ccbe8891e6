#pragma once
// The identity texts from the program's own version resource.
#include "ui/main/AppIdentity.h"

#include <cstdint>
#include <string>

// What the version resource gave, before the texts are composed.
struct VersionResourceTexts {
    bool readable = false; // present, signature 0xFEEF04BD, a translation table
    std::uint32_t fileVersionMS = 0;
    std::string productName;     // "ProductName", empty when missing
    std::string fileDescription; // "FileDescription"
    std::string specialBuild;    // "SpecialBuild"
};

// The texts from what was read: "%d.%d %s" of the major and minor file
// version and the special build, "0.0.x" as the database version; the
// fallbacks when the resource was not readable. Each text is held within its
// capacity.
AppIdentity composeAppIdentity(const VersionResourceTexts& resource);

// Reads the version resource of `programFile` (the wide path).
VersionResourceTexts readVersionResource(const std::wstring& programFile);

// composeAppIdentity(readVersionResource(the running program's file)).
AppIdentity readAppIdentity();
