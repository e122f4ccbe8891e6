#pragma once
// The four identity texts the windows and the report show. Windows-1252.
// Header only (the windows use it); readAppIdentity fills it at start-up.
#include <string>

constexpr std::size_t MAX_PRODUCT_NAME = 98;
constexpr std::size_t MAX_FILE_DESCRIPTION = 98;
constexpr std::size_t MAX_SPECIAL_BUILD = 48;
constexpr std::size_t MAX_PROGRAM_VERSION = 103;
constexpr std::size_t MAX_IDENTITY_DATABASE_VERSION = 15;

struct AppIdentity {
    std::string productName = "Olvane";
    std::string fileDescription = " ";
    std::string programVersion = "0.0";
    std::string databaseVersion = "0.0"; // the data file may replace it
};
