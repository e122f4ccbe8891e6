#include "app/ReadAppIdentity.h"

#include "win32/ProgramFile.h"
#include "win32/Text1252.h"

#include <cstdio>
#include <vector>
#include <windows.h>

namespace {

std::string held(std::string text, std::size_t capacity) {
    if (text.size() > capacity) {
        text.resize(capacity);
    }
    return text;
}

std::string versionString(const std::vector<BYTE>& block, WORD language, WORD codePage,
                          const wchar_t* name) {
    wchar_t translation[16];
    std::swprintf(translation, 16, L"%04X%04X", language, codePage);
    const std::wstring path = std::wstring(L"\\StringFileInfo\\") + translation + L"\\" + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || value == nullptr ||
        length == 0) {
        return std::string();
    }
    // `length` counts characters, the terminator included; do not trust it to
    // be terminated.
    const auto* text = static_cast<const wchar_t*>(value);
    std::wstring copy(text, length);
    const std::wstring::size_type end = copy.find(L'\0');
    if (end != std::wstring::npos) {
        copy.resize(end);
    }
    return narrow1252(copy);
}

} // namespace

AppIdentity composeAppIdentity(const VersionResourceTexts& resource) {
    AppIdentity identity; // the fallbacks
    if (!resource.readable) {
        return identity;
    }
    identity.productName = held(resource.productName, MAX_PRODUCT_NAME);
    identity.fileDescription = held(resource.fileDescription, MAX_FILE_DESCRIPTION);
    char version[40];
    std::snprintf(version, sizeof version, "%u.%u ", HIWORD(resource.fileVersionMS),
                  LOWORD(resource.fileVersionMS));
    identity.programVersion =
        held(version + held(resource.specialBuild, MAX_SPECIAL_BUILD), MAX_PROGRAM_VERSION);
    identity.databaseVersion = "0.0.x";
    return identity;
}

VersionResourceTexts readVersionResource(const std::wstring& programFile) {
    VersionResourceTexts texts;
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(programFile.c_str(), &handle);
    if (size == 0) {
        return texts;
    }
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(programFile.c_str(), 0, size, block.data())) {
        return texts;
    }
    void* fixed = nullptr;
    UINT fixedLength = 0;
    if (!VerQueryValueW(block.data(), L"\\", &fixed, &fixedLength) || fixed == nullptr ||
        fixedLength < sizeof(VS_FIXEDFILEINFO)) {
        return texts;
    }
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    if (info->dwSignature != 0xFEEF04BD) {
        return texts;
    }
    void* translation = nullptr;
    UINT translationLength = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &translation,
                        &translationLength) ||
        translation == nullptr || translationLength < 2 * sizeof(WORD)) {
        return texts;
    }
    const auto* pair = static_cast<const WORD*>(translation);
    texts.readable = true;
    texts.fileVersionMS = info->dwFileVersionMS;
    texts.specialBuild = versionString(block, pair[0], pair[1], L"SpecialBuild");
    texts.fileDescription = versionString(block, pair[0], pair[1], L"FileDescription");
    texts.productName = versionString(block, pair[0], pair[1], L"ProductName");
    return texts;
}

AppIdentity readAppIdentity() {
    return composeAppIdentity(readVersionResource(programFilePath()));
}
