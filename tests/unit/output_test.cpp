// The output buffer: whatever the sizes of the writes, the stream receives
// exactly their concatenation, in order, once flushed.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <memory>

#include "output/output.h"

namespace {

class OutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        out_ = open_memstream(&buffer_, &size_);
        output_ = std::make_unique<Output>(out_);
    }
    void TearDown() override {
        output_.reset();
        fclose(out_);
        free(buffer_);
    }
    void WriteText(std::string_view text) { output_->WriteText(text); }
    void WriteChar(char c) { output_->WriteChar(c); }
    std::string Flushed() {
        output_->Flush();
        fflush(out_);
        return std::string(buffer_, size_);
    }

    FILE* out_ = nullptr;
    char* buffer_ = nullptr;
    size_t size_ = 0;
    std::unique_ptr<Output> output_;
};

TEST_F(OutputTest, WritesOfEverySizeArriveInOrder) {
    const size_t capacity = Output::kCapacity;
    std::string expected;
    auto text = [&](size_t n, char c) {
        std::string s(n, c);
        if (n > 0) s.back() = '|';
        WriteText(s);
        expected += s;
    };
    text(3, 'a');
    text(capacity - 10, 'b');  // fills to 7 short of full
    text(7, 'c');              // exactly full
    WriteChar('d');            // one past: spills
    expected += 'd';
    text(capacity, 'e');       // as large as the buffer, behind pending bytes
    text(0, 'f');
    text(3 * capacity + 5, 'g');
    for (int i = 0; i < 100000; ++i) {
        WriteChar(static_cast<char>('0' + i % 10));
        expected += static_cast<char>('0' + i % 10);
    }
    output_->WriteNumber(-9223372036854775807LL - 1);
    expected += "-9223372036854775808";
    EXPECT_EQ(Flushed(), expected);
    EXPECT_EQ(output_->Errno(), 0);
}

TEST_F(OutputTest, NothingIsLostOrRepeatedByRepeatedFlushes) {
    WriteText("one ");
    output_->Flush();
    output_->Flush();
    WriteText("two");
    EXPECT_EQ(Flushed(), "one two");
}

// What is written while diverted leaves the script, whatever spills on the
// way, and the script goes on where it stood; a diversion left open keeps
// its text in place.
TEST_F(OutputTest, ADiversionTakesItsTextOutOfTheScript) {
    const size_t capacity = Output::kCapacity;
    WriteText("before ");
    output_->BeginDivert();
    std::string held = std::string(capacity - 3, 'a') + std::string(2 * capacity, 'b') + "c";
    WriteText(held.substr(0, capacity - 3));
    WriteText(held.substr(capacity - 3, 2 * capacity));
    WriteChar('c');
    EXPECT_TRUE(output_->AtLineStart() == false);
    EXPECT_EQ(output_->EndDivert(), held);
    WriteText("after ");
    output_->BeginDivert();
    WriteText("kept\n");
    EXPECT_TRUE(output_->AtLineStart());
    output_->CloseDivert();
    EXPECT_EQ(Flushed(), "before after kept\n");
}

TEST(OutputFailure, TheFirstFailedWriteIsKept) {
    FILE* full = fopen("/dev/full", "w");
    if (!full) GTEST_SKIP() << "no /dev/full";
    setvbuf(full, nullptr, _IONBF, 0);
    auto output = std::make_unique<Output>(full);
    output->WriteText(std::string(Output::kCapacity + 1, 'x'));
    EXPECT_EQ(output->Errno(), ENOSPC);
    output.reset();
    fclose(full);
}

}  // namespace
