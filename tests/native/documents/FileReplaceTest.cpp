#include <gtest/gtest.h>

#include "FileReplaceCases.h"

TEST(MemoryFileSystem, ReplacesFilesAsWindowsDoes)
{
    fw::MemoryFileSystem fs;
    fs.MakeDir("C:");
    fs.MakeDir("C:\\Work");
    for (const auto& c : filecases::ReplaceCases())
        EXPECT_EQ(filecases::RunReplaceCase(fs, "C:\\Work", c), std::vector<std::string>{}) << c.what;
}
