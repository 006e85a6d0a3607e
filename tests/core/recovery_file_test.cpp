// The layouts of the recovery copy and of the lock file's text: exact bytes
// at the documented offsets, and damage that must never pass as a copy.
#include "core/recovery_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/lock_file.h"

namespace tolka::core {
namespace {

RecoveryCopy SampleCopy() {
  RecoveryCopy copy;
  copy.Written = std::chrono::system_clock::time_point(std::chrono::milliseconds(0x0102030405));
  copy.FileTime = -2;
  copy.ProcessId = 4711;
  copy.Host = "ws07";
  copy.DataFile = "/srv/abi/JG2024.TLK";
  copy.Block = DataFileBlock(kDataFileSize, 0);
  copy.Block[0] = 0xAB;
  copy.Block[kDataFileSize - 1] = 0xCD;
  return copy;
}

TEST(RecoveryFile, FieldsStandAtTheirOffsets) {
  const std::vector<uint8_t> bytes = EncodeRecoveryFile(SampleCopy());
  ASSERT_EQ(bytes.size(), kRecoveryFixedSize + 4 + 19 + kDataFileSize);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "TLKWIEDR");
  EXPECT_EQ(bytes[8], 0x05);  // Written, least significant byte first
  EXPECT_EQ(bytes[12], 0x01);
  EXPECT_EQ(bytes[15], 0x00);
  EXPECT_EQ(bytes[16], 0xFE);  // FileTime -2
  EXPECT_EQ(bytes[23], 0xFF);
  EXPECT_EQ(bytes[24], 4711 & 0xFF);
  EXPECT_EQ(bytes[25], 4711 >> 8);
  EXPECT_EQ(bytes[28], 4);  // host length
  EXPECT_EQ(std::string(bytes.begin() + 30, bytes.begin() + 34), "ws07");
  EXPECT_EQ(bytes[34], 19);  // path length
  EXPECT_EQ(std::string(bytes.begin() + 36, bytes.begin() + 55), "/srv/abi/JG2024.TLK");
  EXPECT_EQ(bytes[55], 0xAB);  // the block
  EXPECT_EQ(bytes[55 + kDataFileSize - 1], 0xCD);
  const uint32_t crc = Crc32(bytes.data(), bytes.size() - 4);
  EXPECT_EQ(bytes[bytes.size() - 4], crc & 0xFF);
  EXPECT_EQ(bytes[bytes.size() - 1], crc >> 24);
}

TEST(RecoveryFile, Crc32IsTheZipChecksum) {
  const std::string text = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(text.data()), text.size()), 0xCBF43926u);
}

TEST(RecoveryFile, RoundTrip) {
  const RecoveryCopy copy = SampleCopy();
  const auto decoded = DecodeRecoveryFile(EncodeRecoveryFile(copy));
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->Written, copy.Written);
  EXPECT_EQ(decoded->FileTime, copy.FileTime);
  EXPECT_EQ(decoded->ProcessId, copy.ProcessId);
  EXPECT_EQ(decoded->Host, copy.Host);
  EXPECT_EQ(decoded->DataFile, copy.DataFile);
  EXPECT_EQ(decoded->Block, copy.Block);
}

TEST(RecoveryFile, DamageIsNeverReadAsACopy) {
  const std::vector<uint8_t> good = EncodeRecoveryFile(SampleCopy());
  // Every cut, from nothing to one byte short.
  for (size_t size : {size_t{0}, size_t{7}, size_t{8}, size_t{35}, size_t{200}, good.size() - 1}) {
    EXPECT_FALSE(DecodeRecoveryFile({good.begin(), good.begin() + static_cast<long>(size)}))
        << size;
  }
  std::vector<uint8_t> longer = good;
  longer.push_back(0);
  EXPECT_FALSE(DecodeRecoveryFile(longer));
  // A flipped byte in the magic, a name length, the block, the checksum.
  for (size_t at : {size_t{0}, size_t{28}, size_t{34}, size_t{1000}, good.size() - 1}) {
    std::vector<uint8_t> flipped = good;
    flipped[at] ^= 0x01;
    EXPECT_FALSE(DecodeRecoveryFile(flipped)) << at;
  }
}

TEST(RecoveryFile, ALengthPastTheEndIsRefusedEvenWithAMatchingChecksum) {
  std::vector<uint8_t> bytes = EncodeRecoveryFile(SampleCopy());
  bytes[34] = 0xFF;  // path length far past the block
  bytes[35] = 0xFF;
  bytes.resize(bytes.size() - 4);
  const uint32_t crc = Crc32(bytes.data(), bytes.size());
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(crc >> (8 * i)));
  EXPECT_FALSE(DecodeRecoveryFile(bytes));
}

TEST(LockFile, TextLinesAndRoundTrip) {
  LockHolder holder{"ws07", "mueller", 4711,
                    std::chrono::system_clock::time_point(std::chrono::seconds(1796745600))};
  const std::vector<uint8_t> bytes = EncodeLockText(holder);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
            "Tolka-Sperre\nRechner=ws07\nBenutzer=mueller\nProzess=4711\nSeit=1796745600\n");
  const LockHolder read = DecodeLockText(bytes);
  EXPECT_EQ(read.Host, "ws07");
  EXPECT_EQ(read.User, "mueller");
  EXPECT_EQ(read.ProcessId, 4711);
  EXPECT_EQ(read.Since, holder.Since);
  EXPECT_EQ(LockFilePath("/srv/abi/JG2024.TLK"), "/srv/abi/JG2024.TLK.LCK");
}

TEST(LockFile, AnIncompleteTextLeavesItsFieldsAtTheirDefaults) {
  const std::string text = "Tolka-Sperre\r\nRechner=ws07\r\nProzess=12x\nSeit";
  const LockHolder read = DecodeLockText({text.begin(), text.end()});
  EXPECT_EQ(read.Host, "ws07");  // "\r\n" line ends too
  EXPECT_EQ(read.User, "");
  EXPECT_EQ(read.ProcessId, 0);
  EXPECT_EQ(read.Since, std::chrono::system_clock::time_point{});
}

TEST(LockFile, StaleByDeadProcessOrByAge) {
  const auto now = std::chrono::system_clock::now();
  LockHolder me = ThisProcess(now);
  EXPECT_FALSE(IsStale(me, now));
  EXPECT_TRUE(IsThisProcess(me));
  LockHolder old = me;
  old.Since = now - std::chrono::hours(25);
  EXPECT_TRUE(IsStale(old, now));
  LockHolder elsewhere = me;
  elsewhere.Host = me.Host + "-anderer";
  elsewhere.ProcessId = 999999999;  // no such process here, but on another host it may run
  EXPECT_FALSE(IsStale(elsewhere, now));
  LockHolder nonsense = me;
  nonsense.ProcessId = 0;
  EXPECT_TRUE(IsStale(nonsense, now));
}

// A program killed a moment ago whose parent has not collected it yet (a
// zombie) runs no more: its recovery copy and its lock are left behind.
TEST(LockFile, AKilledProcessNotYetCollectedIsNotRunning) {
  EXPECT_TRUE(ProcessRunning(::getpid()));
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  // Wait until the child has ended without collecting it.
  siginfo_t info{};
  ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT), 0);
  EXPECT_FALSE(ProcessRunning(child));
  ::waitpid(child, nullptr, 0);
  EXPECT_FALSE(ProcessRunning(child));
}

}  // namespace
}  // namespace tolka::core
