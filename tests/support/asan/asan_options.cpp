// AddressSanitizer keeps freed blocks in a quarantine (256 MiB by default) to catch their later
// use; the peak resident memory would then count them. The tests that bound a reader's memory
// measure that peak, so the quarantine is kept to 16 MiB: still many blocks behind every free.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }
