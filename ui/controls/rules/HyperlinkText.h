#pragma once
// Platform-free pieces of the hyperlink label: the texts of its error box and
// the browser command line it falls back on.
#include <cstddef>
#include <string>

// The maker's web site, opened by the links of the main window and the help
// dialog.
extern const char* const MAKER_WEB_ADDRESS;

// The explanation for a ShellExecute / WinExec result code; codes without a
// message of their own give "Unknown Error (<code>) occurred.".
std::string hyperlinkErrorMessage(int code);

// The whole text of the error box: "Unable to open hyperlink:\n\n" and the
// message.
std::string hyperlinkErrorText(int code);

// Capacity of the browser command line, terminating zero included.
constexpr std::size_t BROWSER_COMMAND_CAPACITY = 520;

// Builds the browser command line from the registered ".htm" open command
// and the target: the command is cut where the quoted placeholder "\"%1\""
// begins, or else where "%1" begins, or kept whole; then a blank and the
// target follow. The result, with its terminating zero, is written into
// `store` (of `capacity` characters). Returns false, leaving an empty text
// when capacity allows one, if the command does not fit: it is refused, never
// cut short.
bool buildBrowserCommand(const char* registeredCommand, const char* target, char* store,
                         std::size_t capacity);
