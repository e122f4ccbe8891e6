#include "ui/controls/rules/HyperlinkText.h"

#include <cstring>

const char* const MAKER_WEB_ADDRESS = "https://www.varnu.com";

std::string hyperlinkErrorMessage(int code) {
    switch (code) {
    case 0:
        return "The operating system is out\nof memory or resources.";
    case 2:
        return "The specified file was not found.";
    case 3:
        return "The specified path was not found.";
    case 5:
        return "The operating system denied\naccess to the specified file.";
    case 8:
        return "There was not enough memory to complete the operation.";
    case 11:
        return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case 26:
        return "A sharing violation occurred. ";
    case 27:
        return "The filename association is\nincomplete or invalid.";
    case 28:
        return "The DDE transaction could not\nbe completed because the request timed out.";
    case 29:
        return "The DDE transaction failed.";
    case 30:
        return "The DDE transaction could not\nbe completed because other DDE "
               "transactions\nwere being processed.";
    case 31:
        return "There is no application associated\nwith the given filename extension.";
    case 32:
        return "The specified dynamic-link library was not found.";
    default:
        return "Unknown Error (" + std::to_string(code) + ") occurred.";
    }
}

std::string hyperlinkErrorText(int code) {
    return "Unable to open hyperlink:\n\n" + hyperlinkErrorMessage(code);
}

bool buildBrowserCommand(const char* registeredCommand, const char* target, char* store,
                         std::size_t capacity) {
    if (store == nullptr || capacity == 0) {
        return false;
    }
    store[0] = '\0';
    if (registeredCommand == nullptr || target == nullptr) {
        return false;
    }
    std::size_t keep = std::strlen(registeredCommand);
    if (const char* quoted = std::strstr(registeredCommand, "\"%1\"")) {
        keep = static_cast<std::size_t>(quoted - registeredCommand);
    } else if (const char* plain = std::strstr(registeredCommand, "%1")) {
        keep = static_cast<std::size_t>(plain - registeredCommand);
    }
    const std::size_t targetLength = std::strlen(target);
    // keep + blank + target + terminating zero, checked without overflow.
    if (keep >= capacity || targetLength >= capacity - keep - 1) {
        return false;
    }
    std::memcpy(store, registeredCommand, keep);
    store[keep] = ' ';
    std::memcpy(store + keep + 1, target, targetLength);
    store[keep + 1 + targetLength] = '\0';
    return true;
}
