#include "core/platform/FileSystem.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

const char kNotRegularFileReason[] = "not a regular file";
const char kWriteProtectedReason[] = "the file is write-protected";

namespace {
class CSystemFileSystem : public IFileSystem {
public:
    int CreateExclusive(const std::string& path, unsigned mode) override {
        return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      static_cast<mode_t>(mode));
    }
    bool SyncFile(int descriptor) override { return ::fsync(descriptor) == 0; }
    bool Rename(const std::string& from, const std::string& to) override {
        return std::rename(from.c_str(), to.c_str()) == 0;
    }
    bool SyncFolder(const std::string& folder) override {
        const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor < 0) {
            return false;
        }
        const bool synced = ::fsync(descriptor) == 0;
        ::close(descriptor);
        return synced;
    }
};

CSystemFileSystem g_systemFileSystem;
IFileSystem* g_fileSystem = nullptr;
}  // namespace

IFileSystem& GetFileSystem() {
    return g_fileSystem != nullptr ? *g_fileSystem : g_systemFileSystem;
}

void SetFileSystem(IFileSystem* fileSystem) {
    g_fileSystem = fileSystem;
}

std::string SystemErrorText(int error) {
    return std::strerror(error);
}

std::string WithFileReason(const std::string& message, const std::string& reason) {
    if (reason.empty()) {
        return message;
    }
    std::string sentence = reason;
    if (sentence[0] >= 'a' && sentence[0] <= 'z') {
        sentence[0] = static_cast<char>(sentence[0] - 'a' + 'A');
    }
    return message + "\n\n" + sentence + ".";
}
