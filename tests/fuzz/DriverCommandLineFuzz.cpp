// The driver stand-in's command line: arguments separated by NUL bytes.
// Every command line is either understood or refused with a reason.
#include <cstdint>
#include <string>
#include <vector>

#include "DriverCommandLine.h"
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    std::vector<std::string> args;
    while (!in.Empty() && args.size() < 16) args.push_back(in.Until('\0'));
    const tabletdriver::DriverCommand command = tabletdriver::ParseDriverCommandLine(args);
    switch (command.kind) {
    case tabletdriver::CommandKind::Error: FUZZ_CHECK(!command.error.empty()); break;
    case tabletdriver::CommandKind::PostMessages: FUZZ_CHECK(!command.posts.empty()); break;
    case tabletdriver::CommandKind::Run:
    case tabletdriver::CommandKind::WriteTable: FUZZ_CHECK(!command.model.empty()); break;
    default: break;
    }
    return 0;
}
