// Leak-checker suppressions for the GUI tests: the font configuration library keeps caches for the
// life of the process that the leak checker reports at exit. Nothing of ours is suppressed.
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
