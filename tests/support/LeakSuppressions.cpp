// Leak-checker suppressions shared by every test program: the font configuration library that Qt's
// widgets load keeps caches for the life of the process, which the leak checker reports at exit.
// Nothing of ours is suppressed. The leak checker looks the hook up by its reserved name.
extern "C" __attribute__((used)) const char*
__lsan_default_suppressions() { // NOLINT(readability-identifier-naming)
    return "leak:libfontconfig.so\n";
}
