// The portable INI store against the platform's private-profile calls: one
// table of files, reads and writes, answered by both.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "IniCases.h"
#include "IniStore.h"
#include "PrivateProfileIni.h"
#include "Win32FileSystem.h"

namespace {

class IniTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        folder_ = fw::JoinPath(base, "lumora-ini-" + std::to_string(GetCurrentProcessId()));
        CreateDirectoryA(folder_.c_str(), nullptr);
    }
    void TearDown() override
    {
        for (const std::string& f : files_) DeleteFileA(f.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    std::string NewFile(const std::string& tag)
    {
        files_.push_back(fw::JoinPath(folder_, tag + std::to_string(files_.size()) + ".ini"));
        DeleteFileA(files_.back().c_str());
        return files_.back();
    }

    fw::Win32FileSystem fs_;
    std::string folder_;
    std::vector<std::string> files_;
};

TEST_F(IniTableTest, PlatformAndPortableStoreGiveTheTablesAnswers)
{
    fw::PrivateProfileIni platform;
    fw::TextIniStore portable(fs_);
    for (const inicases::IniCase& c : inicases::Cases()) {
        SCOPED_TRACE(c.what);
        const auto platformFaults = inicases::RunCase(platform, fs_, NewFile("platform"), c);
        if (c.windowsDiffersFromWine) {
            // Wine is known to differ here; the table holds Windows's answer.
            if (!platformFaults.empty()) std::printf("[ note ] %s: %s\n", c.what, c.windowsDiffersFromWine);
        } else {
            for (const std::string& f : platformFaults) ADD_FAILURE() << "platform " << f;
        }
        for (const std::string& f : inicases::RunCase(portable, fs_, NewFile("portable"), c))
            ADD_FAILURE() << "portable store " << f;
    }
}

}  // namespace
