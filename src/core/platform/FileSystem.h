#pragma once

#include <string>

// The file-system calls that make a save durable, behind one seam so that tests can watch
// their order or make one of them fail. Failures leave the reason in errno.
class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // A new file open for writing with that mode (less the umask); a descriptor, or -1 when
    // the name exists in any form, a link included.
    virtual int CreateExclusive(const std::string& path, unsigned mode) = 0;
    // The file's bytes reach the disk.
    virtual bool SyncFile(int descriptor) = 0;
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    // The folder's entries (a rename in it) reach the disk.
    virtual bool SyncFolder(const std::string& folder) = 0;
};

// The installed file system; the operating system's own when none is installed.
IFileSystem& GetFileSystem();
void SetFileSystem(IFileSystem* fileSystem);

// The system's reason for an errno value ("Permission denied"), and the program's own
// reasons why a file is refused.
std::string SystemErrorText(int error);
extern const char kNotRegularFileReason[];
extern const char kWriteProtectedReason[];

// A message about a file followed by the reason: "Cannot save X.\n\nPermission denied."
std::string WithFileReason(const std::string& message, const std::string& reason);
