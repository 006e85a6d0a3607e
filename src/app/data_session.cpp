#include "app/data_session.h"

#include <algorithm>

#include "core/file_io.h"

namespace tolka::app {

core::DataFileBlock DataSession::Block() const {
  core::DataFileBlock block = core::EmptyBlock();
  core::EncodeTable(Table, block);
  std::copy(PasswordFieldCarried.begin(), PasswordFieldCarried.end(),
            block.begin() + core::kPasswordFieldOffset);
  core::SetPasswordField(block, PasswordField);
  return block;
}

core::DataFileBlock DataSession::BlockForWriting() const {
  core::DataFileBlock block = Block();
  if (!ShownEnciphered && Protected && !PasswordField.empty()) {
    core::ApplyCipher(block, PasswordField, core::CipherVariant::Neu);
  }
  return block;
}

core::DataFileBlock ReadDataFileBlock(const std::filesystem::path& path) {
  const std::vector<uint8_t> bytes = core::ReadFileBytes(path, core::kDataFileSize);
  if (bytes.size() < core::kDataFileSize) {
    throw IoError("Die Datei \x84" + core::PathText(path) +
                      "\x93 ist keine Tolka-Datendatei (falsche Größe).",
                  "keine Tolka-Datendatei (falsche Größe)");
  }
  return bytes;
}

}  // namespace tolka::app
