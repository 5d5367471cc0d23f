#include "MimeMessage.h"

#include <cstdio>
#include <cstring>

namespace posterly {

namespace {
constexpr const char* kCrlf = "\r\n";
constexpr std::size_t kBase64Line = 76;

bool IsPlainAscii(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c > 0x7E) return false;
    return true;
}

bool IsQuotable(const std::string& text)
{
    return IsPlainAscii(text) && text.find_first_of("\"\\") == std::string::npos;
}

std::string PercentEncoded(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            std::strchr("!#$&+-.^_`|~", c)) {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}

// name="..." with a quotable ASCII form, plus the exact name (RFC 2231) when
// the quotable form had to change it.
std::string FileNameParameters(const char* key, const std::string& name, const std::string& charset)
{
    if (IsQuotable(name)) return std::string(key) + "=\"" + name + "\"";
    std::string ascii = name;
    for (char& c : ascii) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u > 0x7E || c == '"' || c == '\\') c = '_';
    }
    return std::string(key) + "=\"" + ascii + "\";" + kCrlf + " " + key + "*=" + charset + "''" +
           PercentEncoded(name);
}
}  // namespace

std::string HeaderText(const std::string& text, const std::string& charset, const Base64Encoder& base64)
{
    if (IsPlainAscii(text)) {
        // Fold at blanks so no line runs far past 78 characters.
        std::string out;
        std::size_t lineLength = 10;  // room for the header's name
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t next = text.find(' ', start + 1);
            if (next == std::string::npos) next = text.size();
            const std::string word = text.substr(start, next - start);
            if (lineLength + word.size() > 76 && !out.empty() && word[0] == ' ') {
                out += kCrlf;
                lineLength = 0;
            }
            out += word;
            lineLength += word.size();
            start = next;
        }
        return out;
    }
    // Encoded words of at most 75 characters: 45 bytes of text each.
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += 45) {
        if (i) out += std::string(kCrlf) + " ";
        out += "=?" + charset + "?B?" + base64(text.substr(i, 45)) + "?=";
    }
    return out;
}

std::string FormatMailDate(int year, int month, int day, int weekday, int hour, int minute, int second,
                           int utcOffsetMinutes)
{
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char sign = utcOffsetMinutes < 0 ? '-' : '+';
    const int offset = utcOffsetMinutes < 0 ? -utcOffsetMinutes : utcOffsetMinutes;
    char text[64];
    std::snprintf(text, sizeof text, "%s, %d %s %04d %02d:%02d:%02d %c%02d%02d", kDays[((weekday % 7) + 7) % 7], day,
                  kMonths[((month - 1) % 12 + 12) % 12], year, hour, minute, second, sign, offset / 60, offset % 60);
    return text;
}

std::string SafeFileName(const std::string& name, const std::string& fallback)
{
    std::string out = name;
    for (char& c : out) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || std::strchr("<>:\"/\\|?*", c)) c = '_';
    }
    while (!out.empty() && (out.back() == '.' || out.back() == ' ')) out.pop_back();
    return out.empty() ? fallback : out;
}

std::string ComposeMessage(const MailParts& parts, const Base64Encoder& base64)
{
    const std::string textCharset = IsPlainAscii(parts.bodyText + " ") ? "us-ascii" : parts.charset;
    std::string m;
    m += "From: " + parts.from + kCrlf;
    m += "Subject: " + HeaderText(parts.subject, parts.charset, base64) + kCrlf;
    m += "Date: " + parts.date + kCrlf;
    m += "Message-ID: <" + parts.messageId + ">" + kCrlf;
    m += std::string("MIME-Version: 1.0") + kCrlf;
    // Mail programs open a message marked unsent as a draft to address and send.
    m += std::string("X-Unsent: 1") + kCrlf;
    m += "Content-Type: multipart/mixed; boundary=\"" + parts.boundary + "\"" + kCrlf;
    m += kCrlf;
    m += "--" + parts.boundary + kCrlf;
    m += "Content-Type: text/plain; charset=" + textCharset + kCrlf;
    m += std::string("Content-Transfer-Encoding: ") + (textCharset == "us-ascii" ? "7bit" : "8bit") + kCrlf;
    m += kCrlf;
    m += parts.bodyText + kCrlf;
    m += "--" + parts.boundary + kCrlf;
    m += "Content-Type: image/jpeg; " + FileNameParameters("name", parts.attachmentName, parts.charset) + kCrlf;
    m += std::string("Content-Transfer-Encoding: base64") + kCrlf;
    m += "Content-Disposition: attachment; " + FileNameParameters("filename", parts.attachmentName, parts.charset) +
         kCrlf;
    m += kCrlf;
    const std::string picture = base64(parts.attachmentBytes);
    for (std::size_t i = 0; i < picture.size(); i += kBase64Line) m += picture.substr(i, kBase64Line) + kCrlf;
    m += "--" + parts.boundary + "--" + kCrlf;
    return m;
}

}  // namespace posterly
