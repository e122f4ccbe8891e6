#pragma once
// The text of the disclaimer box: six lines, each ending in "\r\n".
const char* disclaimerText();
