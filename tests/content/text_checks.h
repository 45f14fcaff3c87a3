#pragma once
// Checks shared by the delivered-text tests: Windows-1252 bytes and CR LF.
#include <gtest/gtest.h>
#include <string>

namespace vdtest {

// The five bytes that Windows-1252 leaves undefined.
inline bool DefinedInCp1252(unsigned char b) {
    return b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D;
}

// Every line ends in CR LF, the last one too, and every other byte is a
// printable Windows-1252 character or a tab.
inline void ExpectCleanText(const std::string& name, const std::string& raw) {
    SCOPED_TRACE(name);
    ASSERT_GE(raw.size(), 2u);
    EXPECT_EQ(raw.substr(raw.size() - 2), "\r\n") << "last line without CR LF";
    for (size_t i = 0; i < raw.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(raw[i]);
        if (b == '\r')
            EXPECT_TRUE(i + 1 < raw.size() && raw[i + 1] == '\n') << "bare CR at byte " << i;
        else if (b == '\n')
            EXPECT_TRUE(i > 0 && raw[i - 1] == '\r') << "bare LF at byte " << i;
        else
            EXPECT_TRUE(DefinedInCp1252(b) && (b >= 0x20 || b == '\t'))
                << "byte " << int(b) << " at " << i;
    }
}

} // namespace vdtest
