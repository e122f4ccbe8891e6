#include "ui/dialogs/rules/HelpText.h"

const char* const HELP_FORBIDDEN_CHARACTERS = "%'*\"+?><:\\";

namespace {

// Body lines avoid the forbidden characters, so that on screen only the
// headings lose their colons.
const char* const BUILT_IN_HELP_TEXT =
    // Title
    "Olvane\r\n"
    "Capillary Tube Selection Program\r\n"
    "Copyright \xA9 2026 Varnu. All rights reserved.\r\n"
    "\r\n"
    "\r\n"
    // Introduction
    "Introduction:\r\n"
    "\r\n"
    "This software calculates a capillary tube as the throttling\r\n"
    "device of a refrigeration system. The calculation is based on\r\n"
    "empirical formulas. The result is a start value for the\r\n"
    "optimisation of the system. It typically gives a functioning\r\n"
    "system, but the best diameter and length can deviate\r\n"
    "remarkably from the calculated values.\r\n"
    "\r\n"
    "The sizing assumes that\r\n"
    "- the suction line is connected to the capillary tube over\r\n"
    "  most of its length for internal heat exchange, and\r\n"
    "- there is little or no subcooling in continuous operation.\r\n"
    "\r\n"
    "Choose the refrigerant from the list. The input values are\r\n"
    "representative dimensioning values. Enter the capacity of the\r\n"
    "compressor type used, taken at the entered operating\r\n"
    "conditions\r\n"
    "- evaporating temperature,\r\n"
    "- condensing temperature,\r\n"
    "- return gas temperature,\r\n"
    "without subcooling. For each refrigerant the inputs are\r\n"
    "limited according to experience and to the application areas\r\n"
    "of the compressors.\r\n"
    "\r\n"
    "Such data can come from the performance data of a compressor\r\n"
    "data sheet at ARI 540, EN 12900 or CECOMAF conditions, or from\r\n"
    "other sources.\r\n"
    "\r\n"
    "The diameter lists hold sizes that are typically available in\r\n"
    "different countries. Not all of them may be available in one\r\n"
    "place. Choose the length for a diameter that is available to\r\n"
    "you. If that diameter is not listed, estimate its length from\r\n"
    "the neighbouring diameters.\r\n"
    "\r\n"
    "The lists of refrigerants and diameters, the formulas and the\r\n"
    "limits may change with updates of the software, based on new\r\n"
    "experience.\r\n"
    "\r\n"
    "\r\n"
    // Installation
    "Installation and requirements:\r\n"
    "\r\n"
    "The software can be installed from a hard disk, a network\r\n"
    "drive or a CD-ROM. Setup asks for the destination directory,\r\n"
    "which is used for the installation and later for the\r\n"
    "de-installation. The de-installation removes the software\r\n"
    "completely. The program needs only its folder and Olvane.tbx.\r\n"
    "\r\n"
    "\r\n"
    // System requirements
    "System requirements:\r\n"
    "\r\n"
    "- 200 MHz Pentium-class processor or compatible, 64-bit\r\n"
    "- 32 MB RAM minimum, 64 MB RAM recommended\r\n"
    "- 15 MB hard disk space\r\n"
    "- Microsoft Windows, 64-bit edition\r\n"
    "\r\n"
    "\r\n";

} // namespace

const char* builtInHelpText() {
    return BUILT_IN_HELP_TEXT;
}

std::string helpTextFor(const RefrigerantDatabase& db) {
    int count = db.helpLineCount;
    if (count <= 0) {
        return BUILT_IN_HELP_TEXT;
    }
    if (count > MAX_HELP_LINES) {
        count = MAX_HELP_LINES;
    }
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += fieldText(db.helpLines[i]);
        text += "\r\n";
    }
    return text;
}
