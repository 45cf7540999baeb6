// Process-wide preparation of libxml2 for the engine, and the guard under which the engine
// parses: while it is active, nothing outside the text being parsed is ever loaded.
#pragma once

namespace vdxml_engine {

/// Initialises libxml2 once per process (safe to call from any thread, cheap after the first
/// call) and installs the external-resource guard.
void EnsureLibxml();

/// While an object of this class lives, every external entity, DTD or other resource that
/// libxml2 tries to load on the calling thread is refused. Parses by other libxml2 users, and
/// on other threads, are left to libxml2's own loader.
class ExternalLoadBlock {
  public:
    ExternalLoadBlock();
    ~ExternalLoadBlock();
    ExternalLoadBlock(const ExternalLoadBlock&) = delete;
    ExternalLoadBlock& operator=(const ExternalLoadBlock&) = delete;

  private:
    bool m_previous;
};

}  // namespace vdxml_engine
