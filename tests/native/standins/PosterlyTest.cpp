#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "MailRequest.h"
#include "MimeMessage.h"

namespace posterly {
namespace {

// Reference base64 (RFC 4648), standing in for the platform's encoder.
std::string Encode(const std::string& bytes)
{
    static const char d[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        unsigned v = 0;
        for (std::size_t k = 0; k < 3; ++k) v = (v << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k) out += k <= n ? d[(v >> (18 - 6 * k)) & 0x3F] : '=';
    }
    return out;
}

std::string Decode(const std::string& text)
{
    std::string out;
    unsigned v = 0;
    int bits = 0;
    for (char c : text) {
        int x;
        if (c >= 'A' && c <= 'Z') x = c - 'A';
        else if (c >= 'a' && c <= 'z') x = c - 'a' + 26;
        else if (c >= '0' && c <= '9') x = c - '0' + 52;
        else if (c == '+') x = 62;
        else if (c == '/') x = 63;
        else continue;  // line breaks and padding
        v = (v << 6) | static_cast<unsigned>(x);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((v >> bits) & 0xFF);
        }
    }
    return out;
}

// A small MIME reader: headers (unfolded, names lower-cased) and body.
struct Entity {
    std::map<std::string, std::string> headers;
    std::string body;
};

Entity ReadEntity(const std::string& text)
{
    Entity e;
    const std::size_t end = text.find("\r\n\r\n");
    EXPECT_NE(end, std::string::npos);
    std::string head = text.substr(0, end);
    e.body = text.substr(end + 4);
    std::string unfolded;
    for (std::size_t i = 0; i < head.size(); ++i) {
        if (head.compare(i, 3, "\r\n ") == 0 || head.compare(i, 3, "\r\n\t") == 0) {
            i += 1;
            continue;
        }
        unfolded += head[i];
    }
    std::size_t start = 0;
    while (start <= unfolded.size()) {
        std::size_t stop = unfolded.find("\r\n", start);
        if (stop == std::string::npos) stop = unfolded.size();
        const std::string line = unfolded.substr(start, stop - start);
        const std::size_t colon = line.find(':');
        EXPECT_NE(colon, std::string::npos) << line;
        std::string name = line.substr(0, colon);
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        e.headers[name] = line.substr(colon + 2);
        start = stop + 2;
    }
    return e;
}

std::string Parameter(const std::string& header, const std::string& name)
{
    const std::size_t at = header.find(name + "=\"");
    if (at == std::string::npos) return {};
    const std::size_t begin = at + name.size() + 2;
    return header.substr(begin, header.find('"', begin) - begin);
}

std::vector<Entity> ReadParts(const Entity& message)
{
    const std::string boundary = Parameter(message.headers.at("content-type"), "boundary");
    std::vector<Entity> parts;
    const std::string delimiter = "--" + boundary;
    std::size_t at = message.body.find(delimiter);
    while (at != std::string::npos && message.body.compare(at + delimiter.size(), 2, "--") != 0) {
        const std::size_t begin = at + delimiter.size() + 2;
        const std::size_t next = message.body.find("\r\n" + delimiter, begin);
        if (next == std::string::npos) {
            ADD_FAILURE() << "part not closed";
            break;
        }
        parts.push_back(ReadEntity(message.body.substr(begin, next - begin)));
        at = next + 2;
    }
    return parts;
}

MailParts Sample()
{
    MailParts p;
    p.from = "Lumora <lumora@localhost>";
    p.subject = "Lumora";
    p.charset = "windows-1252";
    p.bodyText = "The picture Lumora.jpg is attached to this message.";
    p.attachmentName = "Lumora.jpg";
    for (int i = 0; i < 1000; ++i) p.attachmentBytes += static_cast<char>((i * 37) & 0xFF);
    p.date = "Thu, 10 Dec 2026 12:38:01 +0000";
    p.messageId = "20261210123801.1.2@posterly.localhost";
    p.boundary = "=_Posterly_20261210123801.1.2";
    return p;
}

TEST(PosterlyTest, ArgumentStringHasThreeClosedFields)
{
    MailRequest r;
    ASSERT_EQ(ParseMailArguments("Lumora]Lumora.jpg]C:\\Temp\\pp1A2.tmp]", r), ArgumentError::None);
    EXPECT_EQ(r.subject, "Lumora");
    EXPECT_EQ(r.attachmentName, "Lumora.jpg");
    EXPECT_EQ(r.picturePath, "C:\\Temp\\pp1A2.tmp");

    ASSERT_EQ(ParseMailArguments(" Quarterly Review]Quarterly Review.jpg]C:\\My Temp\\pp1.tmp] ", r),
              ArgumentError::None);
    EXPECT_EQ(r.subject, "Quarterly Review");
    EXPECT_EQ(r.picturePath, "C:\\My Temp\\pp1.tmp");

    const struct {
        std::string text;
        ArgumentError error;
    } bad[] = {
        {"", ArgumentError::Missing},
        {"   ", ArgumentError::Missing},
        {"Lumora]Lumora.jpg]", ArgumentError::FieldCount},
        {"Lumora]Lumora.jpg]C:\\a.tmp", ArgumentError::FieldCount},   // last field not closed
        {"Lu]mora]Lumora.jpg]C:\\a.tmp]", ArgumentError::FieldCount},  // four fields
        {"Lumora]Lumora.jpg]C:\\a.tmp]extra", ArgumentError::FieldCount},
        {"Lumora]]C:\\a.tmp]", ArgumentError::EmptyField},
        {"Lumora]Lumora.jpg]]", ArgumentError::EmptyField},
        {std::string(200, 'T') + "]n.jpg]C:\\" + std::string(60, 'p') + "]", ArgumentError::TooLong},
    };
    for (const auto& c : bad) EXPECT_EQ(ParseMailArguments(c.text, r), c.error) << c.text;

    ASSERT_EQ(ParseMailArguments(" \"Q R]Q R.jpg]C:\\t.tmp]\"", r), ArgumentError::None);
    EXPECT_EQ(r.subject, "Q R");
    EXPECT_EQ(r.picturePath, "C:\\t.tmp");

    // Exactly at the limit is accepted.
    const std::string limit = std::string(kArgumentsMax - 10, 'T') + "]n.jpg]C:]";
    ASSERT_EQ(limit.size(), kArgumentsMax);
    EXPECT_EQ(ParseMailArguments(limit, r), ArgumentError::None);
}

TEST(PosterlyTest, ArgumentsFollowTheProgramNameOfTheCommandLine)
{
    EXPECT_EQ(ArgumentsOfCommandLine("\"C:\\Program Files\\Lumora\\Posterly.exe\" A]A.jpg]C:\\t]"),
              " A]A.jpg]C:\\t]");
    EXPECT_EQ(ArgumentsOfCommandLine("C:\\Lumora\\Posterly.exe Q R]Q R.jpg]C:\\t]"), " Q R]Q R.jpg]C:\\t]");
    EXPECT_EQ(ArgumentsOfCommandLine("Posterly.exe"), "");
    EXPECT_EQ(ArgumentsOfCommandLine("\"unclosed"), "");
}

TEST(PosterlyTest, MessageCarriesThePictureAsAJpegAttachment)
{
    const MailParts parts = Sample();
    const std::string text = ComposeMessage(parts, Encode);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        ASSERT_TRUE(at > 0 && text[at - 1] == '\r') << "bare LF at " << at;

    const Entity message = ReadEntity(text);
    EXPECT_EQ(message.headers.at("subject"), "Lumora");
    EXPECT_EQ(message.headers.at("from"), parts.from);
    EXPECT_EQ(message.headers.at("date"), parts.date);
    EXPECT_EQ(message.headers.at("mime-version"), "1.0");
    EXPECT_EQ(message.headers.at("message-id"), "<" + parts.messageId + ">");
    EXPECT_EQ(message.headers.at("content-type").rfind("multipart/mixed;", 0), 0u);

    const std::vector<Entity> partsRead = ReadParts(message);
    ASSERT_EQ(partsRead.size(), 2u);
    EXPECT_EQ(partsRead[0].headers.at("content-type"), "text/plain; charset=us-ascii");
    EXPECT_EQ(partsRead[0].body, parts.bodyText);

    const Entity& picture = partsRead[1];
    EXPECT_EQ(picture.headers.at("content-type").rfind("image/jpeg;", 0), 0u);
    EXPECT_EQ(Parameter(picture.headers.at("content-type"), "name"), "Lumora.jpg");
    EXPECT_EQ(Parameter(picture.headers.at("content-disposition"), "filename"), "Lumora.jpg");
    EXPECT_EQ(picture.headers.at("content-transfer-encoding"), "base64");
    EXPECT_EQ(Decode(picture.body), parts.attachmentBytes);
    std::size_t start = 0;
    while (start < picture.body.size()) {
        std::size_t stop = picture.body.find("\r\n", start);
        if (stop == std::string::npos) stop = picture.body.size();
        EXPECT_LE(stop - start, 76u);
        start = stop + 2;
    }
}

TEST(PosterlyTest, TextOutsidePlainAsciiIsEncodedForHeaders)
{
    MailParts parts = Sample();
    parts.subject = "Pr\xE9sentation \"Q3\"";
    parts.attachmentName = "Pr\xE9sentation.jpg";
    const Entity message = ReadEntity(ComposeMessage(parts, Encode));
    EXPECT_EQ(message.headers.at("subject"), "=?windows-1252?B?" + Encode(parts.subject) + "?=");
    const Entity picture = ReadParts(message).at(1);
    EXPECT_EQ(Parameter(picture.headers.at("content-disposition"), "filename"), "Pr_sentation.jpg");
    EXPECT_NE(picture.headers.at("content-disposition").find("filename*=windows-1252''Pr%E9sentation.jpg"),
              std::string::npos);

    // Long subjects fold into lines a mail reader takes whole again.
    parts.subject = std::string(60, 'a') + " " + std::string(60, 'b');
    const std::string text = ComposeMessage(parts, Encode);
    EXPECT_LT(text.find("\r\n"), 80u);
    EXPECT_EQ(ReadEntity(text).headers.at("subject"), parts.subject);
}

TEST(PosterlyTest, FileNamesAndDates)
{
    EXPECT_EQ(SafeFileName("Q3: plan/v2?", "Picture"), "Q3_ plan_v2_");
    EXPECT_EQ(SafeFileName("Review. ", "Picture"), "Review");
    EXPECT_EQ(SafeFileName("..", "Picture"), "Picture");
    EXPECT_EQ(FormatMailDate(2026, 12, 10, 4, 12, 38, 1, 60), "Thu, 10 Dec 2026 12:38:01 +0100");
    EXPECT_EQ(FormatMailDate(2026, 1, 5, 1, 9, 5, 0, -330), "Mon, 5 Jan 2026 09:05:00 -0530");
}

}  // namespace
}  // namespace posterly
