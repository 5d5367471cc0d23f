#include "DriverCommandLine.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "DriverProtocol.h"
#include "TabletModels.h"

namespace tabletdriver {

namespace {

std::string Lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A decimal number within [low, high]; false for anything else.
bool ParseNumber(const std::string& text, long long low, long long high, long long& out)
{
    if (text.empty()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i])) && !(i == 0 && text[i] == '-')) return false;
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < low || value > high) return false;
    out = value;
    return true;
}

bool ParseSide(const std::string& text, unsigned& side)
{
    const std::string name = Lower(text);
    if (name == "bottom") side = kSideBottom;
    else if (name == "top") side = kSideTop;
    else if (name == "left") side = kSideLeft;
    else if (name == "right") side = kSideRight;
    else {
        long long value = 0;
        // Any byte: a test may want to send a side the receiver must refuse.
        if (!ParseNumber(text, 0, 255, value)) return false;
        side = static_cast<unsigned>(value);
    }
    return true;
}

DriverCommand Fail(const std::string& error)
{
    DriverCommand c;
    c.kind = CommandKind::Error;
    c.error = error;
    return c;
}

DriverCommand Posts(std::vector<Post> posts)
{
    DriverCommand c;
    c.kind = CommandKind::PostMessages;
    c.posts = std::move(posts);
    return c;
}

// Run and table take an optional --model NAME.
DriverCommand ParseModelCommand(CommandKind kind, const std::vector<std::string>& rest)
{
    DriverCommand c;
    c.kind = kind;
    c.model = DefaultModelName();
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--model" && i + 1 < rest.size()) {
            c.model = Lower(rest[++i]);
            if (!FindModel(c.model)) return Fail("unknown model: " + rest[i]);
        } else {
            return Fail("unexpected argument: " + rest[i]);
        }
    }
    return c;
}

}  // namespace

DriverCommand ParseDriverCommandLine(const std::vector<std::string>& args)
{
    if (args.empty() || args[0] == "--model") return ParseModelCommand(CommandKind::Run, args);

    const std::string command = Lower(args[0]);
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    auto expect = [&](size_t count) { return rest.size() == count; };

    if (command == "run") return ParseModelCommand(CommandKind::Run, rest);
    if (command == "table") return ParseModelCommand(CommandKind::WriteTable, rest);
    if (command == "help" || command == "--help" || command == "/?") {
        DriverCommand c;
        c.kind = CommandKind::Help;
        return c;
    }
    if (command == "stop") {
        if (!expect(0)) return Fail("stop takes no arguments");
        DriverCommand c;
        c.kind = CommandKind::Stop;
        return c;
    }

    if (command == "press" || command == "release" || command == "click") {
        if (!expect(2)) return Fail(command + " takes SIDE INDEX");
        unsigned side = 0;
        long long index = 0;
        if (!ParseSide(rest[0], side)) return Fail("bad side: " + rest[0]);
        if (!ParseNumber(rest[1], 0, 0xFFFF, index)) return Fail("bad raw key index: " + rest[1]);
        const uintptr_t code = MakeEventCode(side, static_cast<unsigned>(index));
        const Post press{Target::Tessar, WM_MACROKEY_EVENT, code, 1};
        const Post release{Target::Tessar, WM_MACROKEY_EVENT, code, 0};
        if (command == "press") return Posts({press});
        if (command == "release") return Posts({release});
        return Posts({press, release});
    }
    if (command == "stroke") {
        long long stroke = 0;
        if (!expect(1) || !ParseNumber(rest[0], 0, 0x7FFFFFFF, stroke))
            return Fail("stroke takes a stroke number");
        return Posts({{Target::Tessar, WM_STROKE_LINK, static_cast<uintptr_t>(stroke), 0}});
    }
    if (command == "indicator") {
        long long state = 0, user = 0;
        if (!expect(2) || !ParseNumber(rest[0], 0, 0x7FFFFFFF, state) ||
            !ParseNumber(rest[1], 0, 0x7FFFFFFF, user))
            return Fail("indicator takes STATE USER");
        return Posts({{Target::Overlay, WM_USER_INDICATOR, static_cast<uintptr_t>(state),
                       static_cast<intptr_t>(user)}});
    }

    struct Simple {
        const char* name;
        unsigned message;
        uintptr_t wParam;
    };
    static const Simple kSimple[] = {
        {"reload", WM_RELOAD_PROFILE, 0},       {"settings", WM_SHOW_EXTRA_SETTINGS, 0},
        {"quit", WM_QUIT_MANAGER, 0},           {"suspend", WM_POWERBROADCAST_MSG, kSuspendRequest},
        {"started", WM_DRIVER_STARTED, 0},      {"stopped", WM_DRIVER_STOPPED, 0},
    };
    for (const Simple& s : kSimple) {
        if (command != s.name) continue;
        if (!expect(0)) return Fail(command + " takes no arguments");
        return Posts({{Target::Tessar, s.message, s.wParam, 0}});
    }
    return Fail("unknown command: " + args[0]);
}

std::string UsageText()
{
    std::string models;
    for (const TabletModel& m : Models()) models += (models.empty() ? "" : ", ") + m.name;
    return "tabletdriver [run] [--model NAME]      run the driver with a virtual tablet\n"
           "tabletdriver table [--model NAME]      write the tablet table and end\n"
           "tabletdriver stop                      end the running driver\n"
           "tabletdriver press|release|click SIDE INDEX\n"
           "                                       macro key event (SIDE bottom, top, left, right or 0-255)\n"
           "tabletdriver stroke N                  pen stroke N was drawn\n"
           "tabletdriver reload|settings|quit|suspend|started|stopped\n"
           "tabletdriver indicator STATE USER      to Vexo's overlay\n"
           "Models: " + models + " (default " + DefaultModelName() + ")\n"
           "Exit code: 0 done, 1 no window to post to, 2 bad command line.\n";
}

}  // namespace tabletdriver
