#include "core/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/files.h"
#include "vdxml/platform/status.h"

namespace {

long StatusOf(int err) {
    const unsigned long code = vdxml_platform::Win32ErrorFromErrno(err);
    vdxml_platform::SetLastError(code);
    return HRESULT_FROM_WIN32(code);
}

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// A link's destination when target is a symbolic link that resolves, else target.
std::string Resolve(const std::string& target) {
    struct stat st;
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
    char* resolved = ::realpath(target.c_str(), nullptr);
    if (!resolved) return target;  // a dangling link is replaced by the file itself
    std::string path = resolved;
    std::free(resolved);
    return path;
}

// A name part that no other writer picks at the same moment: process, counter and clock.
std::string UniqueSuffix() {
    static std::atomic<unsigned> counter{0};
    const auto ticks = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    char text[64];
    std::snprintf(text, sizeof text, "%lx.%x.%llx", static_cast<unsigned long>(::getpid()),
                  counter.fetch_add(1), ticks & 0xFFFFFFFFull);
    return text;
}

// Makes a completed rename durable; file systems that cannot sync a folder are let be.
void SyncFolder(const std::string& folder) {
    const int fd = OpenRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

CVdXmlFileReplacement::~CVdXmlFileReplacement() { Abandon(); }

long CVdXmlFileReplacement::Begin(const std::string& target) {
    Abandon();
    if (target.empty()) return E_INVALIDARG;
    m_target = Resolve(target);

    struct stat st;
    if (::stat(m_target.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        m_inPlace = true;  // a device or a pipe: there is nothing to put another file in place of
        m_writePath = m_target;
        return S_OK;
    }
    // Probe the target without changing it: a missing one is created empty, an existing one
    // must open for writing. Folders in the way, missing paths and permissions fail here.
    int probe = OpenRetrying(m_target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (probe >= 0) {
        m_createdTarget = true;
    } else if (errno == EEXIST) {
        probe = OpenRetrying(m_target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    }
    if (probe < 0) {
        const long hr = StatusOf(errno);
        Reset();
        return hr;
    }
    const bool known = ::fstat(probe, &st) == 0;
    ::close(probe);
    if (!known) {
        const long hr = StatusOf(errno);
        Abandon();
        return hr;
    }
    m_targetDevice = st.st_dev;
    m_targetInode = st.st_ino;
    m_mode = st.st_mode & 07777;
    m_owner = st.st_uid;
    m_group = st.st_gid;

    const std::size_t slash = m_target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : m_target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? m_target : m_target.substr(slash + 1);
    const long hr = CreateTemporary(folder, base);
    if (FAILED(hr)) Abandon();
    return hr;
}

long CVdXmlFileReplacement::CreateTemporary(const std::string& folder, const std::string& base) {
    // Hidden, named after the target (cut so that the name stays within NAME_MAX).
    const std::string stem = folder + (folder.back() == '/' ? "." : "/.") + base.substr(0, 200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = stem + "." + UniqueSuffix() + ".tmp";
        const int fd = OpenRetrying(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return StatusOf(errno);
        m_fd = fd;
        m_writePath = path;
        // The replacement keeps the previous file's permission bits and, where allowed, its
        // owner; failing that, the temporary file's own (owner only, the writer's) stay.
        if (::fchmod(fd, m_mode) != 0 || ::fchown(fd, m_owner, m_group) != 0) {
            // the content is written all the same
        }
        return S_OK;
    }
    return StatusOf(EEXIST);
}

long CVdXmlFileReplacement::Commit() {
    if (m_writePath.empty()) return E_FAIL;
    if (m_inPlace) {
        Reset();
        return S_OK;
    }
    // Everything written through other descriptors of the file is flushed by this one too.
    long hr = S_OK;
    if (::fsync(m_fd) != 0) hr = StatusOf(errno);
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (SUCCEEDED(hr) && closed != 0) hr = StatusOf(errno);
    if (SUCCEEDED(hr) && ::rename(m_writePath.c_str(), m_target.c_str()) != 0) hr = StatusOf(errno);
    if (FAILED(hr)) {
        Abandon();
        return hr;
    }
    const std::size_t slash = m_target.rfind('/');
    SyncFolder(slash == std::string::npos ? "." : m_target.substr(0, slash + 1));
    Reset();
    return S_OK;
}

void CVdXmlFileReplacement::Abandon() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    if (!m_inPlace && !m_writePath.empty()) ::unlink(m_writePath.c_str());
    if (m_createdTarget) {
        // Only the empty file Begin created goes; one that another writer put there stays.
        struct stat st;
        if (::stat(m_target.c_str(), &st) == 0 && st.st_dev == m_targetDevice &&
            st.st_ino == m_targetInode && st.st_size == 0)
            ::unlink(m_target.c_str());
    }
    Reset();
}

void CVdXmlFileReplacement::Reset() {
    m_target.clear();
    m_writePath.clear();
    m_fd = -1;
    m_inPlace = false;
    m_createdTarget = false;
    m_targetDevice = 0;
    m_targetInode = 0;
    m_mode = 0;
    m_owner = 0;
    m_group = 0;
}
