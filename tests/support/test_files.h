// Temporary files and written-file inspection shared by the tests.
#pragma once

#include <string>

namespace vdxml_test {

/// A fresh, empty directory below the system's temporary directory, removed by the destructor.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return m_path; }
    /// path() + "/" + name
    std::string file(const std::string& name) const;

  private:
    std::string m_path;
};

/// The whole content of a file as bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
/// Writes bytes to path, replacing it, and returns path; fails the calling test when it cannot.
std::string WriteBytes(const std::string& path, const std::string& bytes);
/// Number of descriptors the process holds open; with a path, only those open on that file.
int OpenDescriptorCount(const std::string& path = "");
/// The process's peak resident memory in kB, reset to the current one first when reset is set.
long PeakKb(bool reset = false);

}  // namespace vdxml_test
