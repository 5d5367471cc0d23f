#include "MailRequest.h"

namespace posterly {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Trimmed(const std::string& text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}
}  // namespace

ArgumentError ParseMailArguments(const std::string& arguments, MailRequest& request)
{
    std::string text = Trimmed(arguments);
    // Started from a shell the whole string may come quoted.
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    if (text.empty()) return ArgumentError::Missing;
    if (text.size() > kArgumentsMax) return ArgumentError::TooLong;

    std::string fields[3];
    std::size_t count = 0, start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ']') continue;
        if (count == 3) return ArgumentError::FieldCount;
        fields[count++] = text.substr(start, i - start);
        start = i + 1;
    }
    if (count != 3 || start != text.size()) return ArgumentError::FieldCount;
    if (fields[1].empty() || fields[2].empty()) return ArgumentError::EmptyField;
    request = {fields[0], fields[1], fields[2]};
    return ArgumentError::None;
}

std::string ArgumentsOfCommandLine(const std::string& commandLine)
{
    std::size_t i = 0;
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    if (i < commandLine.size() && commandLine[i] == '"') {
        const std::size_t close = commandLine.find('"', i + 1);
        if (close == std::string::npos) return {};
        i = close + 1;
    } else {
        while (i < commandLine.size() && !IsBlank(commandLine[i])) ++i;
    }
    return commandLine.substr(i);
}

}  // namespace posterly
