#pragma once
// What the private-profile calls answer, as one table for the portable INI
// store of the native tests and for the platform's own calls under Wine, so
// that no native test can rely on an answer Windows does not give.
#include <string>
#include <vector>

#include "FileSystem.h"
#include "IniStore.h"

namespace inicases {

enum class Op { kString, kInt, kKeys, kSections, kWrite, kDeleteKey, kDeleteSection, kFileExists };

struct Step {
    Op op;
    const char* section;
    const char* key;
    const char* text;   // the default of kString, the value of kWrite
    int number;         // the buffer size of kString, the default of kInt
    const char* answer; // kString: the text; kInt: decimal; lists: names joined
                        // by '|'; writes, deletes and kFileExists: "1" or "0"
};

struct IniCase {
    const char* what;
    const char* file;   // the file's bytes before the steps; nullptr: no file
    std::vector<Step> steps;
    // Set where Windows is known to answer differently from Wine: the table
    // holds Windows's answer and the platform is not held to it under Wine.
    const char* windowsDiffersFromWine = nullptr;
};

inline Step Str(const char* s, const char* k, const char* def, int buf, const char* answer)
{
    return {Op::kString, s, k, def, buf, answer};
}
inline Step Int(const char* s, const char* k, int def, const char* answer)
{
    return {Op::kInt, s, k, "", def, answer};
}
inline Step Keys(const char* s, const char* answer) { return {Op::kKeys, s, "", "", 0, answer}; }
inline Step Sections(const char* answer) { return {Op::kSections, "", "", "", 0, answer}; }
inline Step Write(const char* s, const char* k, const char* v) { return {Op::kWrite, s, k, v, 0, "1"}; }
inline Step DeleteKey(const char* s, const char* k) { return {Op::kDeleteKey, s, k, "", 0, "1"}; }
inline Step DeleteSection(const char* s) { return {Op::kDeleteSection, s, "", "", 0, "1"}; }
inline Step Exists(const char* answer) { return {Op::kFileExists, "", "", "", 0, answer}; }

// One value read as an integer with default 7.
inline IniCase IntCase(const char* what, const char* file, const char* answer)
{
    return {what, file, {Int("s", "k", 7, answer)}};
}

inline const std::vector<IniCase>& Cases()
{
    static const std::vector<IniCase> cases = {
        // Integers.
        IntCase("decimal", "[s]\r\nk=42\r\n", "42"),
        IntCase("signs", "[s]\r\nk=-5\r\n", "-5"),
        IntCase("plus sign", "[s]\r\nk=+9\r\n", "9"),
        IntCase("digits then text", "[s]\r\nk=12abc\r\n", "12"),
        IntCase("no digits", "[s]\r\nk=abc\r\n", "0"),
        IntCase("lower-case hex prefix", "[s]\r\nk=0x1F\r\n", "31"),
        IntCase("upper-case X is no prefix", "[s]\r\nk=0X10\r\n", "0"),
        IntCase("binary prefix", "[s]\r\nk=0b101\r\n", "5"),
        IntCase("binary stops at a 2", "[s]\r\nk=0b102\r\n", "2"),
        IntCase("octal prefix", "[s]\r\nk=0o17\r\n", "15"),
        IntCase("prefix alone", "[s]\r\nk=0x\r\n", "0"),
        IntCase("blank after the sign", "[s]\r\nk=- 3\r\n", "0"),
        IntCase("wraps at 32 bits", "[s]\r\nk=4294967297\r\n", "1"),
        IntCase("all ones", "[s]\r\nk=4294967295\r\n", "-1"),
        IntCase("negative wrap", "[s]\r\nk=-4294967297\r\n", "-1"),
        IntCase("read through 29 characters", "[s]\r\nk=1234567890123456789012345678901234\r\n", "1849262357"),
        IntCase("quoted number", "[s]\r\nk=\"12\"\r\n", "12"),
        IntCase("empty value gives the default", "[s]\r\nk=\r\n", "7"),
        IntCase("quoted empty value gives the default", "[s]\r\nk=\"\"\r\n", "7"),
        IntCase("line without = gives the default", "[s]\r\nk\r\n", "7"),
        IntCase("missing key", "[s]\r\nj=1\r\n", "7"),
        IntCase("missing file", nullptr, "7"),

        // Lines and sections.
        {"line without = reads as the default and is no key",
         "[s]\r\na=1\r\nk\r\n;c=2\r\nb=\r\n",
         {Str("s", "k", "dflt", 64, "dflt"), Keys("s", "a|b")}},
        {"unclosed header is an entry of the section before",
         "[s]\r\n[Unclosed\r\nk=1\r\n",
         {Str("s", "k", "dflt", 64, "1"), Str("Unclosed", "k", "dflt", 64, "dflt"), Sections("s")}},
        {"header runs to the last ]",
         "[a]b]\r\nk=1\r\n",
         {Sections("a]b"), Str("a]b", "k", "dflt", 64, "1"), Str("a", "k", "dflt", 64, "dflt")}},
        {"text after a header's ]", "[a] ; note\r\nk=1\r\n", {Sections("a"), Str("a", "k", "d", 64, "1")}},
        {"blanks inside the brackets", "[ s ]\r\nk=1\r\n", {Sections("s"), Str("s", "k", "d", 64, "1")}},
        {"UTF-8 byte-order mark before the first section",
         "\xEF\xBB\xBF[s]\r\nk=1\r\n",
         {Str("s", "k", "dflt", 64, "1"), Sections("s")}},
        {"lone CR line ends", "[s]\rk=1\ry=2\r[t]\rz=3",
         {Str("s", "k", "d", 64, "1"), Str("s", "y", "d", 64, "2"), Str("t", "z", "d", 64, "3")}},
        {"LF line ends", "[s]\nk=1\n", {Str("s", "k", "d", 64, "1")}},
        {"DOS end-of-file character is a blank", "[s]\r\nk=1\x1a\r\n", {Str("s", "k", "d", 64, "1")}},
        {"later section of the same name is not read",
         "[s]\r\na=1\r\n[s]\r\nb=2\r\n",
         {Str("s", "b", "dflt", 64, "dflt"), Keys("s", "a"), Sections("s|s")}},
        {"first of two equal keys", "[s]\r\nk=1\r\nK=2\r\n", {Str("s", "k", "d", 64, "1")}},
        {"key list ends at an entry without a name", "[s]\r\n=v\r\na=1\r\n", {Keys("s", "")}},

        // Values, defaults and buffers.
        {"names without regard to case or blanks",
         "[Sec]\r\n  Key  =  v v  \r\n",
         {Str("sEC", "KEY", "d", 64, "v v"), Str(" Sec ", " Key ", "d", 64, "v v"), Str("\tSec", "Key\t", "d", 64, "v v")}},
        {"empty value is no default", "[s]\r\nk=\r\n", {Str("s", "k", "dflt", 64, "")}},
        {"quotes", "[s]\r\na=\"x y\"\r\nb='z'\r\nc=\"m'\r\nd=\"\r\ne=\" pad \"\r\n",
         {Str("s", "a", "d", 64, "x y"), Str("s", "b", "d", 64, "z"), Str("s", "c", "d", 64, "\"m'"),
          Str("s", "d", "d", 64, "\""), Str("s", "e", "d", 64, " pad ")}},
        {"quoted value cut to a short buffer", "[s]\r\nk=\"abc\"\r\n",
         {Str("s", "k", "d", 6, "abc"), Str("s", "k", "d", 5, "abc"), Str("s", "k", "d", 4, "ab"),
          Str("s", "k", "d", 3, "ab"), Str("s", "k", "d", 2, "a"), Str("s", "k", "d", 1, "")}},
        {"value cut to the buffer", "[s]\r\nk=abcdef\r\n",
         {Str("s", "k", "d", 4, "abc"), Str("s", "k", "d", 7, "abcdef"), Str("s", "k", "d", 1, "")}},
        {"defaults", "[s]\r\n",
         {Str("s", "k", "x  ", 64, "x"), Str("s", "k", "  ", 64, " "), Str("s", "k", "x\t", 64, "x\t"),
          Str("s", "k", "\"q\"", 64, "q"), Str("s", "k", "'q' ", 64, "q"), Str("s", "k", "abcdef", 4, "abc"),
          Str("s", "k", "", 64, "")}},
        {"missing file", nullptr, {Str("s", "k", "dflt", 64, "dflt"), Sections(""), Keys("s", "")}},

        // Writes read back.
        {"write creates the file and section", nullptr,
         {Write("s", "k", "v"), Str("s", "k", "d", 64, "v"), Sections("s"), Keys("s", "k")}},
        {"rewrite keeps the key's name", "[s]\r\nk=1\r\n",
         {Write("S", "K", "2"), Str("s", "k", "d", 64, "2"), Keys("s", "k")}},
        {"written value loses leading blanks", "[s]\r\n",
         {Write("s", "k", "  v"), Str("s", "k", "d", 64, "v")}},
        {"written quotes are read without them", "[s]\r\n",
         {Write("s", "k", "\"q\""), Str("s", "k", "d", 64, "q")}},
        {"written names lose their blanks", nullptr,
         {Write(" t ", " k ", "v"), Str("t", "k", "d", 64, "v"), Sections("t"), Keys("t", "k")}},
        {"write into a file with lone CR ends", "[s]\rk=1\r",
         {Write("s", "j", "2"), Str("s", "k", "d", 64, "1"), Str("s", "j", "d", 64, "2")}},
        {"write into a file with a byte-order mark", "\xEF\xBB\xBF[s]\r\nk=1\r\n",
         {Write("s", "j", "2"), Str("s", "k", "d", 64, "1"), Str("s", "j", "d", 64, "2"), Sections("s")}},
        {"write goes to the first of two sections", "[s]\r\na=1\r\n[s]\r\nb=2\r\n",
         {Write("s", "b", "3"), Str("s", "b", "d", 64, "3"), Keys("s", "a|b")}},
        {"write after an unclosed header", "[s]\r\n[Unclosed\r\n",
         {Write("s", "k", "1"), Str("s", "k", "d", 64, "1"), Sections("s")}},
        {"integer written and read", "[s]\r\n",
         {{Op::kWrite, "s", "k", "-12", 0, "1"}, Int("s", "k", 7, "-12")}},
        {"delete a key", "[s]\r\na=1\r\nb=2\r\n",
         {DeleteKey("s", "a"), Keys("s", "b"), Str("s", "a", "d", 64, "d")}},
        {"delete a section", "[s]\r\na=1\r\n[t]\r\nb=2\r\n",
         {DeleteSection("S"), Sections("t"), Str("t", "b", "d", 64, "2")}},
        {"delete takes the first of two sections of one name", "[s]\r\na=1\r\n[t]\r\nc=3\r\n[s]\r\nb=2\r\n",
         {DeleteSection("s"), Sections("t|s"), Keys("s", "b"), Str("s", "b", "d", 64, "2"), DeleteSection("s"),
          Sections("t")}},
        {"delete in a missing file leaves an empty file", nullptr,
         {DeleteKey("s", "k"), Exists("1")},
         "Windows creates the file (Wine's own tests mark this todo_wine); Wine leaves no file"},
    };
    return cases;
}

inline std::string Join(const std::vector<std::string>& names)
{
    std::string out;
    for (size_t i = 0; i < names.size(); ++i) out += (i ? "|" : "") + names[i];
    return out;
}

// Runs one case on a file that does not exist yet (fs writes its bytes
// first); returns every step whose answer differs from the table's.
inline std::vector<std::string> RunCase(fw::IIniStore& ini, fw::IFileSystem& fs, const std::string& file,
                                        const IniCase& c)
{
    std::vector<std::string> faults;
    if (c.file) fs.Write(file, c.file);
    int n = 0;
    for (const Step& s : c.steps) {
        ++n;
        std::string got;
        switch (s.op) {
        case Op::kString: got = ini.GetString(file, s.section, s.key, s.text, static_cast<size_t>(s.number)); break;
        case Op::kInt: got = std::to_string(ini.GetInt(file, s.section, s.key, s.number)); break;
        case Op::kKeys: got = Join(ini.KeyNames(file, s.section)); break;
        case Op::kSections: got = Join(ini.SectionNames(file)); break;
        case Op::kWrite: got = ini.WriteString(file, s.section, s.key, s.text) ? "1" : "0"; break;
        case Op::kDeleteKey: got = ini.DeleteKey(file, s.section, s.key) ? "1" : "0"; break;
        case Op::kDeleteSection: got = ini.DeleteSection(file, s.section) ? "1" : "0"; break;
        case Op::kFileExists: got = fs.FileExists(file) ? "1" : "0"; break;
        }
        if (got != s.answer)
            faults.push_back("step " + std::to_string(n) + ": '" + got + "', table says '" + s.answer + "'");
    }
    return faults;
}

}  // namespace inicases
