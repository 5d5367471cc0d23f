#pragma once
// Decisions of the Save and Mail commands that need no window: the compact
// toolbar's proposed picture name, which save the chosen extension means, and
// the argument string handed to the mail program.
#include <string>

namespace vexo {

// "%02d%02d%d-": month, day and year of the current local date.
std::string JpgNamePrefix(int month, int day, int year);

// The name the compact toolbar proposes in the save dialog, from the stored
// [JPG] DefaultFileName: today's prefix and the stored name's last digit plus
// one when the stored name is of today, else today's prefix and 1.
std::string ProposeJpgName(const std::string& stored, int month, int day, int year);

// The proposed name advances only when the user keeps it.
bool KeepsProposedName(const std::string& chosenTitle, const std::string& proposed);

enum class SaveKind { Picture, Document, Refused };

// The chosen file's extension, compared exactly: "jpg" saves the picture,
// "flmz" the annotations; anything else ("JPG" included) saves nothing.
SaveKind SaveKindForExtension(const std::string& extension);

// The extension of a path's file name without the dot; empty when none.
std::string FileExtension(const std::string& path);
// The file name without folder and extension.
std::string FileTitle(const std::string& path);

constexpr std::size_t kMailArgumentsMax = 255;

// "title]title.jpg]picture]". A title too long for the limit is shortened so
// the picture's path always arrives whole; false when even the path does not
// fit, so nothing is mailed instead of a cut path.
bool BuildMailArguments(const std::string& title, const std::string& picturePath, std::string& arguments);

}  // namespace vexo
