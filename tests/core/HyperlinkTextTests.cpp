#include "ui/controls/rules/HyperlinkText.h"

#include <gtest/gtest.h>

#include <string>

TEST(HyperlinkText, MessageForEveryCode) {
    EXPECT_EQ(hyperlinkErrorMessage(0), "The operating system is out\nof memory or resources.");
    EXPECT_EQ(hyperlinkErrorMessage(2), "The specified file was not found.");
    EXPECT_EQ(hyperlinkErrorMessage(3), "The specified path was not found.");
    EXPECT_EQ(hyperlinkErrorMessage(5),
              "The operating system denied\naccess to the specified file.");
    EXPECT_EQ(hyperlinkErrorMessage(8), "There was not enough memory to complete the operation.");
    EXPECT_EQ(hyperlinkErrorMessage(11),
              "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    EXPECT_EQ(hyperlinkErrorMessage(26), "A sharing violation occurred. ");
    EXPECT_EQ(hyperlinkErrorMessage(27), "The filename association is\nincomplete or invalid.");
    EXPECT_EQ(hyperlinkErrorMessage(28),
              "The DDE transaction could not\nbe completed because the request timed out.");
    EXPECT_EQ(hyperlinkErrorMessage(29), "The DDE transaction failed.");
    EXPECT_EQ(hyperlinkErrorMessage(30),
              "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
              "being processed.");
    EXPECT_EQ(hyperlinkErrorMessage(31),
              "There is no application associated\nwith the given filename extension.");
    EXPECT_EQ(hyperlinkErrorMessage(32), "The specified dynamic-link library was not found.");

    for (int code : {1, 4, 6, 7, 9, 10, 12, 13, 20, 25, 33, 42, -1}) {
        EXPECT_EQ(hyperlinkErrorMessage(code),
                  "Unknown Error (" + std::to_string(code) + ") occurred.");
    }
    EXPECT_EQ(hyperlinkErrorText(2),
              "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_EQ(hyperlinkErrorText(17), "Unable to open hyperlink:\n\nUnknown Error (17) occurred.");
    EXPECT_STREQ(MAKER_WEB_ADDRESS, "https://www.varnu.com");
}

TEST(HyperlinkText, BrowserCommandPlaceholders) {
    char store[BROWSER_COMMAND_CAPACITY];
    const char* target = "https://www.varnu.com";

    // Quoted placeholder: cut at its opening quote; the blank before it stays.
    ASSERT_TRUE(buildBrowserCommand("\"C:\\Browser\\browser.exe\" -osint -url \"%1\"", target,
                                    store, sizeof store));
    EXPECT_STREQ(store, "\"C:\\Browser\\browser.exe\" -osint -url  https://www.varnu.com");

    // Bare placeholder: two blanks before the target.
    ASSERT_TRUE(buildBrowserCommand("browser.exe %1", target, store, sizeof store));
    EXPECT_STREQ(store, "browser.exe  https://www.varnu.com");

    // The quoted form is looked for first, even when a bare %1 comes earlier.
    ASSERT_TRUE(buildBrowserCommand("b.exe %1 \"%1\"", target, store, sizeof store));
    EXPECT_STREQ(store, "b.exe %1  https://www.varnu.com");

    // No placeholder: a blank and the target at the end.
    ASSERT_TRUE(buildBrowserCommand("C:\\b\\iexplore.exe -nohome", target, store, sizeof store));
    EXPECT_STREQ(store, "C:\\b\\iexplore.exe -nohome https://www.varnu.com");

    ASSERT_TRUE(buildBrowserCommand("", target, store, sizeof store));
    EXPECT_STREQ(store, " https://www.varnu.com");
}

TEST(HyperlinkText, BrowserCommandTooLongIsRefused) {
    char store[BROWSER_COMMAND_CAPACITY + 8];
    const std::string target = "https://www.varnu.com";

    // Exactly fitting: command + blank + target + zero == 520.
    const std::string fits(BROWSER_COMMAND_CAPACITY - 2 - target.size(), 'c');
    ASSERT_TRUE(buildBrowserCommand(fits.c_str(), target.c_str(), store, BROWSER_COMMAND_CAPACITY));
    EXPECT_EQ(std::string(store).size(), BROWSER_COMMAND_CAPACITY - 1);
    EXPECT_EQ(std::string(store).substr(fits.size()), " " + target);

    // One more character: refused, not cut; nothing is written past the store.
    store[BROWSER_COMMAND_CAPACITY] = 'X';
    const std::string tooLong = fits + "c";
    EXPECT_FALSE(
        buildBrowserCommand(tooLong.c_str(), target.c_str(), store, BROWSER_COMMAND_CAPACITY));
    EXPECT_STREQ(store, "");
    EXPECT_EQ(store[BROWSER_COMMAND_CAPACITY], 'X');

    // The part after the placeholder does not count: it is cut away anyway.
    const std::string longTail = "b.exe \"%1\" " + std::string(600, 't');
    ASSERT_TRUE(
        buildBrowserCommand(longTail.c_str(), target.c_str(), store, BROWSER_COMMAND_CAPACITY));
    EXPECT_STREQ(store, "b.exe  https://www.varnu.com");

    // A target alone too long, a command as long as the store, tiny stores.
    const std::string hugeTarget(BROWSER_COMMAND_CAPACITY, 'u');
    EXPECT_FALSE(buildBrowserCommand("b.exe", hugeTarget.c_str(), store, BROWSER_COMMAND_CAPACITY));
    const std::string hugeCommand(BROWSER_COMMAND_CAPACITY, 'c');
    EXPECT_FALSE(buildBrowserCommand(hugeCommand.c_str(), "", store, BROWSER_COMMAND_CAPACITY));
    EXPECT_FALSE(buildBrowserCommand("a", "b", store, 3));
    EXPECT_TRUE(buildBrowserCommand("a", "b", store, 4));
    EXPECT_STREQ(store, "a b");
    EXPECT_FALSE(buildBrowserCommand("a", "b", store, 0));
    EXPECT_FALSE(buildBrowserCommand(nullptr, "b", store, 4));
    EXPECT_FALSE(buildBrowserCommand("a", nullptr, store, 4));
}
