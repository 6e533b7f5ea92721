// The system's ANSI code page, for texts that are kept in it.
#pragma once

// The lead-byte test of the system's ANSI code page (Windows only).
bool AnsiLeadByte(unsigned char c);
