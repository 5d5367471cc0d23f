#pragma once
// A profile's name is also the name of its file in the Tablet folder, so a
// name must never lead out of that folder or onto a device. Every place where
// a name turns into a path checks it here; the new-profile dialog uses the
// same check and tells the user with string kIdsBadProfileName.
#include <string>

namespace tessar {

enum class ProfileNameProblem {
    None,
    Empty,
    PathCharacter,   // \ / : or another character Windows forbids in file names
    DotDot,          // ".." anywhere
    ControlCharacter,
    OuterBlank,      // the profile list's INI value would lose it
    DeviceName,      // CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an extension
};

ProfileNameProblem CheckProfileName(const std::string& name);
inline bool IsValidProfileName(const std::string& name)
{
    return CheckProfileName(name) == ProfileNameProblem::None;
}

// String-table entry for the refusal in the new-profile dialog.
inline constexpr unsigned kIdsBadProfileName = 170;  // IDS_BAD_PROFILE_NAME in resource.h
inline constexpr const char kBadProfileNameText[] =
    "A profile name cannot contain \\ / : * ? \" < > | or \"..\", "
    "cannot begin or end with a blank and cannot be a device name such as CON or NUL.";

}  // namespace tessar
