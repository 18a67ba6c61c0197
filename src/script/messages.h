// Every message the tool writes, each stated once. FailAtLine and
// ReportAtLine add " in line N" to the first group; the second group names
// no line.
//
// Two failures say nothing on purpose: a line whose first token is an empty
// quoted token ("" or a lone " at the end of the line) ends the run with -1
// and no message, and a library that cannot be opened or begun (CfgOpen,
// CfgBegin) ends it with its exit status alone.
#pragma once

#include <array>

namespace plovask {

// About a script line.
inline constexpr char kLineTooLong[] = "Line too long";
inline constexpr char kTokenTooLong[] = "Token too long";
inline constexpr char kUnknownCommand[] = "Unknown command %s";
inline constexpr char kMissingParameter[] = "Missing required parameter";
inline constexpr char kTooManyParameters[] = "Too many parameters";
inline constexpr char kExpectingBool[] = "Expecting bool parameter";
inline constexpr char kExpectingNumber[] = "Expecting numeric parameter";
inline constexpr char kExpectingAuthentication[] = "Use NONE, PAP or CHAP as authentication parameter";
inline constexpr char kApiErrorInCommand[] = "API error %d in command %s";

// About files and the configuration as a whole.
inline constexpr char kCantWriteFile[] = "Can't write to file %s";
inline constexpr char kCantOpenFile[] = "Can't open file %s";
inline constexpr char kCantReadFile[] = "Can't read file %s";
inline constexpr char kApiErrorAtEnd[] = "API error %d at end of configuration";

// The whole list, for whoever checks what the tool may say.
struct MessageText {
    const char* format;
    bool namesLine;  // followed by " in line %u"
};

inline constexpr auto kMessages = std::to_array<MessageText>({
    {kLineTooLong, true},
    {kTokenTooLong, true},
    {kUnknownCommand, true},
    {kMissingParameter, true},
    {kTooManyParameters, true},
    {kExpectingBool, true},
    {kExpectingNumber, true},
    {kExpectingAuthentication, true},
    {kApiErrorInCommand, true},
    {kCantWriteFile, false},
    {kCantOpenFile, false},
    {kCantReadFile, false},
    {kApiErrorAtEnd, false},
});

}  // namespace plovask
