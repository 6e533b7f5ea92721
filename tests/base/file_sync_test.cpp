// The crash-safe file replacement and the thread wrappers the worker and the watcher rest
// on. Built natively and into the Windows test runner, so both implementations answer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>

#include "base/File.h"
#include "base/Sync.h"

namespace {

TEST(ReplacingWrite, TakesTheNewBytesWholeAndReadsStopAtTheLimit) {
    // Unique per run: several test runs may share the machine's temporary folder.
    const std::string path = ::testing::TempDir() + "velum-replace-" +
                             std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + ".bin";
    ASSERT_TRUE(WriteFileReplacing(path, std::string(70000, 'o')));
    const std::string fresh(66000, 'n');  // shorter, and longer than one read chunk
    ASSERT_TRUE(WriteFileReplacing(path, fresh));
    EXPECT_FALSE(FileExists(path + ".new"));
    std::string bytes;
    EXPECT_EQ(ReadFileBytes(path, bytes, fresh.size()), ReadResult::Ok);
    EXPECT_EQ(bytes, fresh);
    EXPECT_EQ(ReadFileBytes(path, bytes, fresh.size() - 1), ReadResult::TooLarge);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(ReadFileBytes(path + ".none", bytes, 10), ReadResult::Missing);
    EXPECT_FALSE(WriteFileReplacing(path + ".none/x", "y"));
    EXPECT_TRUE(DeleteFileAt(path));
}

TEST(Sync, AnAutoResetEventWakesOneWaitAManualOneStaysSet) {
    Event autoReset(false, false), manual(true, false);
    ASSERT_TRUE(autoReset.IsValid());
    EXPECT_FALSE(autoReset.Wait(0));
    autoReset.Set();
    EXPECT_TRUE(autoReset.Wait(0));
    EXPECT_FALSE(autoReset.Wait(20));
    manual.Set();
    EXPECT_TRUE(manual.Wait(0));
    EXPECT_TRUE(manual.Wait(0));
    manual.Reset();
    EXPECT_FALSE(manual.Wait(0));
}

}  // namespace
