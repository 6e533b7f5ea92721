// The program's debug trace: internal failures go to the debugger output only.
#pragma once
#include <functional>
#include <string>

// "error filename: <file>  line: <line>"
void VelumTrace(const char* file, int line);
// The same line followed by " ; error msg: <msg>".
void VelumTraceMsg(const char* file, int line, const char* msg);
// A bare text line, e.g. "Different Version".
void VelumTraceText(const char* text);

// Tests capture the trace instead of the debugger output; an empty function restores it.
void SetTraceSink(std::function<void(const std::string&)> sink);

// Where the trace goes when no sink is set (OutputDebugStringA on Windows).
void PlatformDebugOutput(const char* text);

#define VL_TRACE() VelumTrace(__FILE__, __LINE__)
#define VL_TRACE_MSG(msg) VelumTraceMsg(__FILE__, __LINE__, (msg))
