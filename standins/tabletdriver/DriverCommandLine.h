#pragma once
// The stand-in's command line. Without a command it runs as the driver;
// otherwise it writes the tablet table or posts one driver message and ends,
// so that scripts and tests can act as the driver.
//
//   tabletdriver [run] [--model NAME]      run the driver with a virtual tablet
//   tabletdriver table [--model NAME]      write the tablet table and end
//   tabletdriver stop                      end a running driver
//   tabletdriver press|release SIDE INDEX  macro key event (SIDE bottom|top|left|right or 0-255)
//   tabletdriver click SIDE INDEX          press, then release
//   tabletdriver stroke N                  pen stroke N was drawn
//   tabletdriver reload|settings|quit|suspend|started|stopped
//   tabletdriver indicator STATE USER      to Vexo's overlay
#include <cstdint>
#include <string>
#include <vector>

namespace tabletdriver {

enum class Target { Tessar, Overlay };

// One message to post.
struct Post {
    Target target;
    unsigned message;
    uintptr_t wParam;
    intptr_t lParam;
};

enum class CommandKind { Run, WriteTable, Stop, PostMessages, Help, Error };

struct DriverCommand {
    CommandKind kind = CommandKind::Error;
    std::string model;        // Run and WriteTable
    std::vector<Post> posts;  // PostMessages, in order
    std::string error;        // Error: what was wrong
};

// args without the program name.
DriverCommand ParseDriverCommandLine(const std::vector<std::string>& args);

std::string UsageText();

}  // namespace tabletdriver
