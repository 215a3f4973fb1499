#include "app/recording_slot.h"

#include <cstdio>
#include <filesystem>

#include "records/client_folder.h"

namespace sonarel::app {

std::uint32_t recordingRateForClientType(int clientType) {
  return clientType == 3 ? 22050 : 11025;
}

ClientFileRef clientFileRef(const std::string& dataFolder, int clientCode, int fileNumber,
                            core::FileKind kind) {
  const records::ClientFolder folder(dataFolder, clientCode);
  return ClientFileRef{clientCode, fileNumber, kind, folder.recordingPath(kind, fileNumber)};
}

std::optional<ClientFileRef> clientFileAt(const std::string& dataFolder, const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path file = fs::weakly_canonical(path, error);
  const fs::path data = fs::weakly_canonical(dataFolder, error);
  if (error || file.parent_path().parent_path() != data) return std::nullopt;
  int code = -1, number = -1;
  char kind = 0, end = 0;
  const std::string folder = file.parent_path().filename().string();
  const std::string name = file.filename().string();
  if (std::sscanf(folder.c_str(), "pac%d%c", &code, &end) != 1 || code < 0) return std::nullopt;
  if (std::sscanf(name.c_str(), "%cv%d.wa%c", &kind, &number, &end) != 3 || end != 'v' ||
      number < 1 || (kind != 'w' && kind != 'q')) {
    return std::nullopt;
  }
  ClientFileRef ref =
      clientFileRef(dataFolder, code, number,
                    kind == 'q' ? core::FileKind::VocalQuality : core::FileKind::VoiceAnalysis);
  // Only the program's own spelling of the names counts.
  if (fs::path(ref.path).filename() != file.filename() ||
      fs::path(ref.path).parent_path().filename() != file.parent_path().filename()) {
    return std::nullopt;
  }
  ref.path = file.string();
  return ref;
}

}  // namespace sonarel::app
