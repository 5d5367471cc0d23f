#pragma once
// The mail program's argument string: three fields, each ended by "]":
// the subject, the name the picture carries, and the picture's path.
//   Lumora]Lumora.jpg]C:\Temp\pp1A2.tmp]
#include <string>

namespace posterly {

constexpr std::size_t kArgumentsMax = 255;

struct MailRequest {
    std::string subject;
    std::string attachmentName;
    std::string picturePath;
};

enum class ArgumentError {
    None,
    Missing,      // no argument string at all
    TooLong,      // over kArgumentsMax characters
    FieldCount,   // fewer or more than three "]"-ended fields
    EmptyField,   // the name or the path is empty
};

// Blanks around the whole string, and quotes around all of it, are ignored
// (a command line may add them); inside the fields every character counts.
ArgumentError ParseMailArguments(const std::string& arguments, MailRequest& request);

// What follows the program's own name on a raw command line, as Windows
// splits it: a quoted first token ends at its closing quote, a plain one at
// the first blank.
std::string ArgumentsOfCommandLine(const std::string& commandLine);

}  // namespace posterly
