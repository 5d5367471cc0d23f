#pragma once
// A mail message with one picture attached, in the Internet message format
// (RFC 5322) with MIME parts (RFC 2045/2046): a short text part and the
// picture as image/jpeg, base64. Lines end in CRLF.
#include <functional>
#include <string>

namespace posterly {

struct MailParts {
    std::string from;              // "Name <address>"
    std::string subject;           // text in `charset`
    std::string charset;           // the text's 8-bit character set, e.g. "windows-1252"
    std::string bodyText;          // the text part, in `charset`
    std::string attachmentName;    // the picture's file name, in `charset`
    std::string attachmentBytes;   // the picture file's bytes
    std::string date;              // RFC 5322 date-time
    std::string messageId;         // without the angle brackets
    std::string boundary;          // must not occur in the parts
};

// Base64 of bytes, without line breaks: the platform's encoder.
using Base64Encoder = std::function<std::string(const std::string& bytes)>;

std::string ComposeMessage(const MailParts& parts, const Base64Encoder& base64);

// "Tue, 10 Dec 2026 12:38:01 +0100": weekday 0 is Sunday; the offset is the
// local time's distance from UTC in minutes.
std::string FormatMailDate(int year, int month, int day, int weekday, int hour, int minute, int second,
                           int utcOffsetMinutes);

// A header's text as it may stand in a header: unchanged when it is plain
// printable ASCII, else as RFC 2047 encoded words. Long text is folded.
std::string HeaderText(const std::string& text, const std::string& charset, const Base64Encoder& base64);

// A file name that any file system takes: characters Windows forbids and
// control characters become "_", trailing dots and blanks are dropped, and
// an empty result becomes `fallback`.
std::string SafeFileName(const std::string& name, const std::string& fallback);

}  // namespace posterly
