#include "ui/dialogs/rules/DisclaimerText.h"

const char* disclaimerText() {
    return "Disclaimer:\r\n"
           "\r\n"
           "Varnu can accept no responsibility for possible errors in this program.\r\n"
           "Varnu reserves the right to alter its products without notice.\r\n"
           "All trademarks in this material are property of the respective companies.\r\n"
           "The name Varnu and the Varnu logotype are trademarks of Varnu.\r\n";
}
